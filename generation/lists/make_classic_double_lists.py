#!/usr/bin/env python3
"""Writes the two two-character classic name lists from fixed character sets.

The lists are fixed data of the program: this script only makes them reproducible. Each list
starts with its five well-known openings, continues with pairings of common given-name characters
in a fixed pseudo-random order, and repeats a few popular names, as collected lists of popular
names do. Run it from any folder; it rewrites classic_male_double.txt and classic_female_double.txt
beside itself.
"""
import random
from pathlib import Path

HERE = Path(__file__).resolve().parent

MALE = dict(
    file="classic_male_double.txt", total=2910, distinct=2878, seed=1854,
    openings="博涛 鑫磊 靖琪 越泽 浩南",
    # Pairings that parents know as popular girls' names have no place in the boys' list.
    excluded="雨涵 雨熙 思涵 思琪 梓涵 梓琪 子琪 嘉琪 安琪 文琪 英琪 雨琪 佳琪",
    first="博鑫靖越浩子梓俊宇睿明志文嘉思天晨泽昊皓峻鹏伟建家承弘海瑞鸿立国正永德振骏逸煜凯哲"
          "翰彦景晟旭铭宏毅锦荣庆乐安诚新云斌修致远鹤雨展英",
    second="涛磊琪泽南轩宇杰航然辰豪博阳林峰鹏铭宁远祥翔瑞凯彬哲伟华强明辉洋宏斌文成鑫霖川昊"
           "睿毅超俊炜涵恒熙帆诚栋健达坤平勇楠飞山",
)
FEMALE = dict(
    file="classic_female_double.txt", total=2134, distinct=2091, seed=973,
    openings="梦璐 熙雯 莉姿 煜婷 丹华",
    excluded="",
    first="梦熙莉煜丹雨欣佳诗思雅静晓婉紫可梓若语心嘉美怡淑慧丽秀婷琳雪月采书依灵梅兰芷安晴"
          "馨琪沐玉春悦晨婧瑾芊清初",
    second="璐雯姿婷华涵萱怡琪妍彤琳菲瑶颖雪蕾晴薇洁欣丹月佳慧宁敏霞静悦茹璇茜岚蓉萍娜莹楠"
           "然瑜媛云珊萌希凝舒柔",
)


def unique(chars):
    return list(dict.fromkeys(chars))


def build(config):
    openings = config["openings"].split()
    rng = random.Random(config["seed"])
    pairs = [a + b for a in unique(config["first"]) for b in unique(config["second"]) if a != b]
    pairs = [p for p in pairs if p not in openings]
    rng.shuffle(pairs)
    pairs = [p for p in pairs if p not in config["excluded"].split()]
    names = openings + pairs[: config["distinct"] - len(openings)]
    assert len(set(names)) == config["distinct"], (config["file"], len(set(names)))
    # Popular names appear more than once in collected lists; repeat some at later places.
    repeats = rng.sample(names[5:], config["total"] - config["distinct"])
    for name in repeats:
        names.insert(rng.randrange(len(names) // 2, len(names) + 1), name)
    assert len(names) == config["total"] and names[:5] == openings
    for ch in "".join(names):
        ch.encode("gbk")
    (HERE / config["file"]).write_text(",".join(names) + ",\n", encoding="utf-8")


if __name__ == "__main__":
    build(MALE)
    build(FEMALE)
