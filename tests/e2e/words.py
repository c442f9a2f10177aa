"""The shipped translations as the scenarios need them: a language's words for the English ones,
read from translations/quillora_<code>.ts, and the environment of a desktop in a language."""
import os
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))


def catalogue(code):
    """A function giving the language's words for an English text (the English when none)."""
    path = os.path.join(HERE, "..", "..", "translations", f"quillora_{code}.ts")
    table = {}
    for message in ET.parse(path).getroot().iter("message"):
        if message.get("numerus") == "yes":
            continue  # plural forms: the scenarios look up whole captions
        translation = message.find("translation")
        if translation is not None and translation.text and translation.get("type") is None:
            table[message.findtext("source")] = translation.text
    return lambda english: table.get(english, english)


def desktop_language(lang):
    """The environment of a desktop whose language is `lang` ("fr_FR.UTF-8") and nothing else."""
    return {"LANG": lang, "LANGUAGE": "", "LC_ALL": "", "LC_MESSAGES": ""}
