#!/usr/bin/env python3
"""Writes a sample dictionary (Vocabulary.dictdat, Windows-1251, 176-byte records) for looking
at the windows by eye and for timing. Usage: sample-dictionary.py OUT_FILE [COUNT]"""
import datetime
import random
import struct
import sys

WORDS = [
    ("cat", "кэт", "кошка"), ("dog", "дог", "собака"), ("house", "хаус", "дом"),
    ("tree", "три", "дерево"), ("water", "уотэ", "вода"), ("bread", "брэд", "хлеб"),
    ("apple", "эпл", "яблоко"), ("window", "уиндоу", "окно"), ("door", "до:", "дверь"),
    ("table", "тэйбл", "стол"), ("chair", "чеэ", "стул"), ("book", "бук", "книга"),
    ("street", "стри:т", "улица"), ("city", "сити", "город"), ("country", "кантри", "страна"),
    ("river", "ривэ", "река"), ("mountain", "маунтин", "гора"), ("forest", "форист", "лес"),
    ("sky", "скай", "небо"), ("sun", "сан", "солнце"), ("moon", "му:н", "луна"),
    ("star", "ста:", "звезда"), ("friend", "фрэнд", "друг"), ("family", "фэмили", "семья"),
    ("mother", "мазэ", "мать"), ("father", "фа:зэ", "отец"), ("brother", "бразэ", "брат"),
    ("sister", "систэ", "сестра"), ("child", "чайлд", "ребёнок"), ("work", "уё:к", "работа"),
    ("money", "мани", "деньги"), ("time", "тайм", "время"), ("day", "дэй", "день"),
    ("night", "найт", "ночь"), ("morning", "мо:нинг", "утро"), ("evening", "и:внинг", "вечер"),
    ("weather", "уэзэ", "погода"), ("rain", "рэйн", "дождь"), ("snow", "сноу", "снег"),
    ("wind", "уинд", "ветер"), ("to run", "ту ран", "бежать"), ("to walk", "ту уо:к", "гулять"),
    ("to read", "ту ри:д", "читать"), ("to write", "ту райт", "писать"),
    ("to speak", "ту спи:к", "говорить"), ("to listen", "ту лисн", "слушать"),
    ("to remember", "ту римэмбэ", "помнить"), ("to forget", "ту фэгэт", "забывать"),
    ("beautiful", "бью:тифул", "красивый"), ("strong", "стронг", "сильный"),
    ("quick", "квик", "быстрый"), ("slow", "слоу", "медленный"), ("happy", "хэпи", "счастливый"),
    ("tired", "тайэд", "усталый"), ("hungry", "хангри", "голодный"), ("warm", "уо:м", "тёплый"),
    ("cold", "коулд", "холодный"), ("bright", "брайт", "яркий"), ("quiet", "квайэт", "тихий"),
    ("loud", "лауд", "громкий"), ("to give up", "ту гив ап", "сдаваться, бросать"),
    ("to look forward to", "ту лук фо:уэд ту", "с нетерпением ждать"),
    ("by the way", "бай зэ уэй", "кстати, между прочим"),
    ("to take off", "ту тэйк оф", "снимать (одежду); взлетать"),
    ("nevertheless", "нэвэзэлэс", "тем не менее"), ("knowledge", "нолидж", "знание"),
    ("neighbourhood", "нэйбэхуд", "окрестности, соседство"),
    ("thoroughly", "сарэли", "тщательно, основательно"),
    ("to be in two minds", "ту би ин ту: майндз", "колебаться, не решаться"),
]
SUFFIXES = ["", "s", "er", "ing", "ed", "ly", "ness", "ful"]


def short_string(text, width):
    raw = text.encode("cp1251", errors="replace")[:width]
    return bytes([len(raw)]) + raw + bytes(width - len(raw))


def record(english, transcription, translation, day, excluded=False, marked=False):
    out = short_string(english, 45) + short_string(transcription, 50) + short_string(translation, 60)
    out += bytes(2) + struct.pack("<d", float(day)) + bytes([int(excluded), int(marked)]) + bytes(6)
    assert len(out) == 176
    return out


def main():
    path = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 300
    rnd = random.Random(7)
    start = (datetime.date(2025, 1, 10) - datetime.date(1899, 12, 30)).days
    with open(path, "wb") as f:
        for i in range(count):
            english, transcription, translation = WORDS[i % len(WORDS)]
            round_ = i // len(WORDS)
            if round_:
                english = english + SUFFIXES[round_ % len(SUFFIXES)] + ("" if round_ < len(SUFFIXES) else str(round_))
            f.write(record(english, transcription, translation, start + i // 7,
                           excluded=rnd.random() < 0.05, marked=rnd.random() < 0.04))


if __name__ == "__main__":
    main()
