#!/usr/bin/python3
"""What the browser edition costs a player, measured in headless Chromium
with the page served from 127.0.0.1:

- ready to play: from navigation to the window shown and taking clicks,
  median of ten loads with the browser's cache off (cold);
- a click: the game's handling of a card click and the window brought up to
  date, and the real click's time to its next frame (Event Timing);
- waiting for a click: the page's main-thread task time over five seconds;
- the download: every file of the build, gzip-compressed as a web server
  sends it.

    bench/web_page.py SITE_FOLDER
"""
import gzip
import pathlib
import statistics
import sys
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / 'tests' / 'web'))
from browser import Browser, Server  # noqa: E402


def download(site):
    total = 0
    plain = 0
    for path in sorted(pathlib.Path(site).rglob('*')):
        if path.is_file():
            data = path.read_bytes()
            plain += len(data)
            # Pictures and the worker's list are sent as they are; text and
            # the module compressed.
            packed = len(gzip.compress(data, 9))
            total += min(packed, len(data))
    return plain, total


def task_seconds(b):
    for metric in b.driver.execute_cdp_cmd('Performance.getMetrics', {})['metrics']:
        if metric['name'] == 'TaskDuration':
            return metric['value']
    return 0.0


def main():
    site = sys.argv[1]
    server = Server(site)
    b = Browser(792, 573)
    try:
        b.driver.execute_cdp_cmd('Network.setCacheDisabled', {'cacheDisabled': True})
        ready = []
        for _ in range(10):
            b.open(server.url + '?nocache=1')
            ready.append(b.script('return window.pairon.readyAt'))
        print(f'ready to play: median {statistics.median(ready):.0f} ms of 10 cold loads '
              f'(fastest {min(ready):.0f}, slowest {max(ready):.0f})')

        b.find('#cmbWidth').send_keys('10')
        b.find('#cmbHeight').send_keys('5')
        b.find('#cmdNew').click()
        b.find('#cmdDone').click()
        handled = []
        for p in range(0, 40, 2):
            handled.append(b.script('''
                const card = document.getElementById('imgCard_' + arguments[0]);
                const start = performance.now();
                card.click();
                document.body.getBoundingClientRect();
                return performance.now() - start;''', p))
            time.sleep(0.02)
        print(f'a click handled and shown: median {statistics.median(handled):.2f} ms, '
              f'slowest {max(handled):.2f} ms over {len(handled)} clicks')

        b.script('''
            window.slowFrames = [];
            new PerformanceObserver((list) => {
              for (const entry of list.getEntries()) window.slowFrames.push([entry.name, entry.duration]);
            }).observe({type: 'event', durationThreshold: 16, buffered: false});''')
        b.find('#cmdNew').click()
        b.find('#cmdNew').click()
        b.find('#cmdDone').click()
        for p in (0, 1):
            b.find(f'#imgCard_{p}').click()
        time.sleep(0.5)
        slow = b.script('return window.slowFrames')
        print(f'real clicks whose next frame came 16 ms or more after the input: {len(slow)} {slow}')

        # Waiting for the player's first card: no timer runs, nothing is drawn.
        b.find('#cmdNew').click()
        b.find('#cmdNew').click()
        b.find('#cmdDone').click()
        b.driver.execute_cdp_cmd('Performance.enable', {'timeDomain': 'timeTicks'})
        before = task_seconds(b)
        time.sleep(5)
        after = task_seconds(b)
        print(f'waiting for a click: {1000 * (after - before):.1f} ms of main-thread tasks in 5 s '
              f'({100 * (after - before) / 5:.2f} % of a core)')
    finally:
        b.close()
        server.stop()
    plain, packed = download(site)
    print(f'the whole download: {packed / 1024:.0f} KiB compressed ({plain / 1024:.0f} KiB as stored)')


if __name__ == '__main__':
    main()
