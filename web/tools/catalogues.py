#!/usr/bin/env python3
"""Turns the game's translation catalogues (translations/*.ts) into one JSON
file a language for the page: {context: {source: translation}}, where a
translation with plural forms is a list of them. Unfinished and obsolete
translations are left out, so the page shows the English text instead, as
the desktop game does.

    catalogues.py TRANSLATIONS_FOLDER OUTPUT_FOLDER
"""
import json
import pathlib
import sys
import xml.etree.ElementTree as ElementTree


def catalogue(path):
    texts = {}
    root = ElementTree.parse(path).getroot()
    for context in root.iter('context'):
        name = context.findtext('name', '')
        entries = texts.setdefault(name, {})
        for message in context.iter('message'):
            source = message.findtext('source')
            translation = message.find('translation')
            if source is None or translation is None:
                continue
            if translation.get('type') in ('unfinished', 'obsolete', 'vanished'):
                continue
            forms = [form.text or '' for form in translation.findall('numerusform')]
            if message.get('numerus') == 'yes':
                if forms and all(forms):
                    entries[source] = forms
            elif translation.text:
                entries[source] = translation.text
    return root.get('language', path.stem), texts


def main():
    if len(sys.argv) != 3:
        sys.exit('usage: catalogues.py TRANSLATIONS_FOLDER OUTPUT_FOLDER')
    source, output = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    output.mkdir(parents=True, exist_ok=True)
    languages = []
    for path in sorted(source.glob('pairon_*.ts')):
        language = path.stem[len('pairon_'):]
        _, texts = catalogue(path)
        (output / f'{language}.json').write_text(json.dumps(texts, ensure_ascii=False, separators=(',', ':')),
                                                 encoding='utf-8')
        languages.append(language)
    (output / 'languages.json').write_text(json.dumps(languages), encoding='utf-8')


if __name__ == '__main__':
    main()
