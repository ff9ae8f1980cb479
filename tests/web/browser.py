"""What the browser tests share: the built page served from 127.0.0.1 by a
small server of our own, and headless Chromium driven through chromedriver,
with every request it makes and the page's accessibility tree at hand."""

import functools
import http.server
import json
import os
import shutil
import socketserver
import tempfile
import threading
import time

SKIP = 77

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
    from selenium.webdriver.support.ui import WebDriverWait
except ImportError:  # pragma: no cover - told by the caller
    webdriver = None


def tools_missing():
    """What of the browser test's tools is missing, or None."""
    if webdriver is None:
        return 'python3-selenium'
    for tool in ('chromium', 'chromedriver'):
        if not shutil.which(tool):
            return tool
    return None


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = dict(http.server.SimpleHTTPRequestHandler.extensions_map,
                          **{'.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json',
                             '.js': 'text/javascript', '.webp': 'image/webp'})

    def log_message(self, *args):
        pass

    def end_headers(self):
        # As a static server would: the browser may keep what it fetched.
        self.send_header('Cache-Control', 'no-cache')
        super().end_headers()


class Server:
    """The page's folder served on a free port of 127.0.0.1."""

    def __init__(self, folder):
        handler = functools.partial(QuietHandler, directory=folder)
        self.httpd = socketserver.ThreadingTCPServer(('127.0.0.1', 0), handler)
        self.httpd.daemon_threads = True
        self.port = self.httpd.server_address[1]
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()

    @property
    def url(self):
        return f'http://127.0.0.1:{self.port}/'

    def stop(self):
        if self.thread is None:
            return
        self.httpd.shutdown()
        self.httpd.server_close()
        self.thread = None


class Browser:
    """Headless Chromium with a profile of its own, seeing the page at a
    given viewport and in a given language."""

    def __init__(self, width=792, height=573, language='en-US'):
        self.profile = tempfile.mkdtemp(prefix='pairon-chromium-')
        options = webdriver.ChromeOptions()
        options.binary_location = shutil.which('chromium')
        for argument in ('--headless=new', '--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage',
                         '--no-first-run', '--no-default-browser-check', '--disable-extensions',
                         '--disable-background-networking', '--disable-component-update', '--disable-sync',
                         '--disable-features=Translate,OptimizationHints,MediaRouter',
                         '--autoplay-policy=no-user-gesture-required', '--force-device-scale-factor=1',
                         f'--lang={language}', f'--user-data-dir={self.profile}', f'--window-size={width},{height}'):
            options.add_argument(argument)
        options.add_experimental_option('prefs', {'intl.accept_languages': language})
        options.set_capability('goog:loggingPrefs', {'performance': 'ALL', 'browser': 'ALL'})
        service = Service(shutil.which('chromedriver'))
        self.driver = webdriver.Chrome(service=service, options=options)
        self.driver.execute_cdp_cmd('Network.enable', {})
        self.driver.execute_cdp_cmd('Accessibility.enable', {})
        self.resize(width, height)
        self.requests = []

    def resize(self, width, height, scale=1):
        self.driver.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                                    {'width': width, 'height': height, 'deviceScaleFactor': scale, 'mobile': False})

    def open(self, url):
        self.driver.get(url)
        self.wait(lambda: self.script('return !!(window.pairon && window.pairon.ready)'), 'the page to be ready')

    def script(self, code, *args):
        return self.driver.execute_script(code, *args)

    def wait(self, condition, what, timeout=60):
        """Waits until `condition` holds: the page answers as it goes, and a
        busy machine only makes it slower."""
        try:
            return WebDriverWait(self.driver, timeout, poll_frequency=0.05).until(lambda _: condition())
        except Exception as error:
            raise AssertionError(f'waited {timeout} s for {what}') from error

    def requested(self):
        """Every address the browser asked for since the last call."""
        for entry in self.driver.get_log('performance'):
            message = json.loads(entry['message'])['message']
            if message.get('method') == 'Network.requestWillBeSent':
                self.requests.append(message['params']['request']['url'])
        return self.requests

    def tree(self):
        """The page's accessibility tree as Chromium gives it to screen
        readers: each node's role, name and the rest."""
        return self.driver.execute_cdp_cmd('Accessibility.getFullAXTree', {})['nodes']

    def console(self):
        return self.driver.get_log('browser')

    def press(self, *keys):
        focused = self.driver.switch_to.active_element
        focused.send_keys(*keys)

    def find(self, selector):
        return self.driver.find_element(By.CSS_SELECTOR, selector)

    def close(self):
        try:
            self.driver.quit()
        finally:
            shutil.rmtree(self.profile, ignore_errors=True)


def node_value(node, field):
    value = node.get(field)
    return value.get('value') if isinstance(value, dict) else None


def role_of(node):
    return node_value(node, 'role')


def name_of(node):
    return node_value(node, 'name') or ''


def focused_name(nodes):
    """The name of the control with the keyboard focus, the page itself aside."""
    found = None
    for node in nodes:
        if role_of(node) == 'RootWebArea':
            continue
        for prop in node.get('properties', []):
            if prop['name'] == 'focused' and prop['value'].get('value'):
                found = name_of(node)
    return found


__all__ = ['Browser', 'By', 'Keys', 'SKIP', 'Server', 'focused_name', 'name_of', 'role_of', 'tools_missing', 'time',
           'os']
