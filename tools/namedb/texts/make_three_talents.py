#!/usr/bin/env python3
"""Writes three_talents.tsv: the rating and texts of all 125 three-talent combinations.

A combination is read from the person element's point of view: its relation to the heaven
element decides the success fortune, its relation to the earth element the basic fortune. Each
relation is one of five kinds, and for a given person element every kind names exactly one
other element, so the person element plus the two kinds identify the combination. The texts are
composed from fragments keyed on those three things, which keeps them distinct per combination
while every fragment stays short enough to review by eye.

Run it from anywhere; it writes the file beside itself (UTF-8, tab-separated, LF).
"""

import os
import sys

ELEMENTS = "木火土金水"
GENERATES = {"木": "火", "火": "土", "土": "金", "金": "水", "水": "木"}
OVERCOMES = {"木": "土", "土": "水", "水": "火", "火": "金", "金": "木"}

# Relation of the person element to a neighbour (heaven or earth).
SAME, SUPPORTED, GIVING, CONTROLLING, CONTROLLED = (
    "same", "supported", "giving", "controlling", "controlled")


def relation(person, other):
    if person == other:
        return SAME
    if GENERATES[other] == person:
        return SUPPORTED
    if GENERATES[person] == other:
        return GIVING
    if OVERCOMES[person] == other:
        return CONTROLLING
    return CONTROLLED


# Being fed or matched by a neighbour helps most, feeding it costs a little strength,
# overcoming it brings friction, being overcome by it hurts most.
RELATION_WEIGHT = {SAME: 2, SUPPORTED: 2, GIVING: 1, CONTROLLING: -1, CONTROLLED: -2}

# Three equal strong elements are traditionally read as too much of one force, so
# 火火火 and 金金金 stay one step below the other harmonious triples.
EXCESSIVE_TRIPLES = {"火火火", "金金金"}

# A clash between neighbours makes the combination 凶 at best in the published tables, even
# when the other side helps (金木木, 火火金, 水水火). Earth is read gently: wood's roots in earth
# (木木土 吉, 火土木 中) and earth damming water from the person's place (水土土) are no clash.


def clashes(person, other):
    kind = relation(person, other)
    if kind == CONTROLLING:
        return "土" not in (person, other)
    return kind == CONTROLLED and not (person == "土" and other == "木")


def rooted(person, earth):
    """Wood standing on earth is read as a tree rooted in the ground, not as wood overcoming
    earth (木木土, 火木土, 水木土 are 大吉 in the published tables)."""
    return person == "木" and earth == "土"


def earth_relation(person, earth):
    return SAME if rooted(person, earth) else relation(person, earth)


# Ratings the published tables give against our reading of the relations; each one follows the
# tables, which weigh the whole configuration, not only the two neighbours.
AS_PUBLISHED = {
    "木土火": "吉",  # 中吉: earth fed by fire below, wood above only slows the rise
    "木土土": "吉",  # 吉: 大体平顺幸福
    "木土金": "中",  # 吉多于凶: a sound base, a held-down success
    "土木土": "凶",  # 凶多于吉: talent held down from above
    "土木火": "吉",  # 中吉: late but certain success
    "土木水": "凶",  # 凶多于吉: 外见吉祥，内实不然
    "土火金": "中",  # 吉多于凶: success with trouble below
    "土土木": "吉",  # 中吉: late but certain success
    "土土水": "凶",  # 凶多于吉: the base gives way
    "土水金": "中",  # 吉凶参半
    "金火火": "中",  # 吉凶参半
    "金火土": "中",  # 吉凶参半
    "金土木": "吉",  # 中吉
    "金水土": "吉",  # 吉: water held by earth, 凶意则微
    "水火木": "吉",  # 中吉: wood between water and fire eases the clash
    "水土金": "吉",  # 中吉
}


def rating(heaven, person, earth):
    key = heaven + person + earth
    if key in AS_PUBLISHED:
        return AS_PUBLISHED[key]
    total = (RELATION_WEIGHT[relation(person, heaven)]
             + RELATION_WEIGHT[earth_relation(person, earth)])
    if total >= 3:
        word = "大吉"
    elif total >= 1:
        word = "吉"
    elif total == 0:
        word = "中"
    elif total >= -2:
        word = "凶"
    else:
        word = "大凶"
    if word == "大吉" and key in EXCESSIVE_TRIPLES:
        word = "吉"
    if word in ("大吉", "吉", "中") and (clashes(person, heaven) or clashes(person, earth)):
        word = "凶"
    return word


# ---------------------------------------------------------------------------------------------
# Imagery of a pair of elements.

GENERATING_IMAGE = {
    "木": "木能生火，如薪柴助长火势",
    "火": "火能生土，如火化灰烬滋养大地",
    "土": "土能生金，如大地蕴藏金石",
    "金": "金能生水，如金石凝聚清泉",
    "水": "水能生木，如雨露滋润草木",
}
OVERCOMING_IMAGE = {
    "木": "木能克土，如树根穿透土壤",
    "土": "土能克水，如堤坝拦截水流",
    "水": "水能克火，如流水压制火势",
    "火": "火能克金，如烈火熔炼金属",
    "金": "金能克木，如金器修剪枝叶",
}
SAME_IMAGE = {
    "木": "两木相依，如树木成林",
    "火": "两火相映，如火光交辉",
    "土": "两土相叠，如积土成山",
    "金": "两金相并，如金石相击",
    "水": "两水相汇，如溪流成河",
}


def pair_words(person, other, other_name, kind):
    """The relation in words ("天格木生人格火") and its image."""
    if other_name == "地格" and rooted(person, other):
        return "人格木立于地格土之上", "如树木扎根大地，根深叶茂"
    if kind == SAME:
        if other_name == "天格":
            return f"天格{other}与人格{person}比和", SAME_IMAGE[person]
        return f"人格{person}与{other_name}{other}比和", SAME_IMAGE[person]
    if kind == SUPPORTED:
        return f"{other_name}{other}生人格{person}", GENERATING_IMAGE[other]
    if kind == GIVING:
        return f"人格{person}生{other_name}{other}", GENERATING_IMAGE[person]
    if kind == CONTROLLING:
        return f"人格{person}克{other_name}{other}", OVERCOMING_IMAGE[person]
    return f"{other_name}{other}克人格{person}", OVERCOMING_IMAGE[other]


SUCCESS_MEANING = {
    SAME: "上下同心，成功运平稳向上",
    SUPPORTED: "易得长辈与上司提携，成功运顺利",
    GIVING: "敬上尽心，付出较多，成功来得稍缓而稳当",
    CONTROLLING: "志向高远、不甘人后，成功需配合谦和的态度",
    CONTROLLED: "上方压力较大，成功之路多经磨练，宜耐心坚持",
}
BASIC_MEANING = {
    SAME: "根基稳固，生活安定",
    SUPPORTED: "根基深厚，家人与下属多有助力，境遇安稳",
    GIVING: "乐于照顾家人与晚辈，基础尚稳，宜注意劳逸结合",
    CONTROLLING: "能掌控环境，但根基稍有动摇，宜稳中求进",
    CONTROLLED: "根基不够安稳，易有变动，宜稳定生活与心境",
}

SUCCESS_WORD = {SAME: "平稳", SUPPORTED: "顺利", GIVING: "稳当",
                CONTROLLING: "有起伏", CONTROLLED: "多磨练"}
BASIC_WORD = {SAME: "稳固", SUPPORTED: "深厚", GIVING: "尚稳",
              CONTROLLING: "稍欠安稳", CONTROLLED: "较弱"}

VERDICT = {
    "大吉": "配置极佳，大吉",
    "吉": "配置良好，吉",
    "中": "吉凶参半，宜扬长避短",
    "凶": "配置欠佳，宜多加努力",
    "大凶": "配置较弱，宜以积极的态度弥补",
}

OPENING = {
    "大吉": "三才和顺相助，配置极佳",
    "吉": "三才大体和顺，配置良好",
    "中": "三才有生有克，吉凶参半",
    "凶": "三才之间阻力较多，配置欠佳",
    "大凶": "天人、人地两处相克，配置较弱",
}
EXCESS_OPENING = "三才同属{e}，气势偏旺，配置良好"

ADVICE = {  # by rating level, then person element
    "good": {
        "木": "宜顺势向上，多学多问",
        "火": "宜保持热情，稳中求进",
        "土": "宜守信踏实，稳步经营",
        "金": "宜果断行事，兼顾宽和",
        "水": "宜发挥智慧，把握良机",
    },
    "middle": {
        "木": "宜扎稳根基，耐心成长",
        "火": "宜戒急戒躁，量力而行",
        "土": "宜灵活变通，勿过保守",
        "金": "宜刚柔并济，以和为贵",
        "水": "宜专心一事，持之以恒",
    },
    "weak": {
        "木": "宜多得良师益友扶持，循序渐进",
        "火": "宜平心静气，稳扎稳打",
        "土": "宜稳守本分，积少成多",
        "金": "宜收敛锋芒，以柔克刚",
        "水": "宜稳定心志，避免多变",
    },
}
LEVEL = {"大吉": "good", "吉": "good", "中": "middle", "凶": "weak", "大凶": "weak"}

# ---------------------------------------------------------------------------------------------
# Personality.

NATURE = {
    "木": "人格属木，性情仁厚温和，富有同情心与上进心，做事有条理，重视学习与成长，但有时稍显固执。",
    "火": "人格属火，性格热情开朗，积极主动，富有感染力与表现力，做事讲求效率，但有时略显急躁。",
    "土": "人格属土，为人忠厚诚实，稳重守信，踏实肯干，重视家庭与承诺，但有时略显保守。",
    "金": "人格属金，性格刚毅果断，重义气、讲原则，做事干脆利落，有领导气质，但有时过于直率。",
    "水": "人格属水，头脑聪慧灵活，善于思考与变通，适应力强，处事圆融，但有时思虑过多、心意多变。",
}
NATURE_BY_HEAVEN = {
    SAME: "与天格{h}同气，自信而有主见，与长辈、上级想法相近；",
    SUPPORTED: "得天格{h}相生，心态积极，乐于接受指导，进步较快；",
    GIVING: "人格生天格{h}，懂得尊重长辈与上级，乐于付出；",
    CONTROLLING: "人格克天格{h}，个性要强，不愿受人约束，宜学会谦和；",
    CONTROLLED: "受天格{h}所克，常感外在压力，做事较为谨慎；",
}
NATURE_BY_EARTH = {
    SAME: "与地格{e}比和，内心安定，待人亲切。",
    SUPPORTED: "得地格{e}相生，身边人多有支持，性情从容。",
    GIVING: "人格生地格{e}，关爱晚辈与身边的人，乐于照顾他人。",
    CONTROLLING: "人格克地格{e}，对身边人要求较严，宜多些耐心。",
    CONTROLLED: "受地格{e}所克，内心易有不安，宜培养稳定的心境。",
}
EXCESS_NATURE = "三才同属{e}，性格特点尤为鲜明，宜注意平衡。"

# ---------------------------------------------------------------------------------------------
# The ten aspects.

WILL_NATURE = {
    "木": "意志坚韧，如树木向上生长，认定目标便会努力坚持",
    "火": "意志热烈，行动力强，一旦投入便全力以赴",
    "土": "意志沉稳，耐得住寂寞，做事有始有终",
    "金": "意志刚强，果断坚决，不轻易向困难低头",
    "水": "意志灵活，善于调整方向，遇到阻碍能另寻出路",
}
WILL_BY_HEAVEN = {
    SAME: "；上下同气，信心充足，能坚持己见。",
    SUPPORTED: "；又得天格相生，遇事有所依靠，心志更为坚定。",
    GIVING: "；重视他人期待，有时会为迁就他人而改变主意。",
    CONTROLLING: "；好胜心强，宜防固执己见。",
    CONTROLLED: "；但外在压力较大，宜多给自己鼓励与信心。",
}

CAREER_BY_HEAVEN = {
    SAME: "事业发展平稳，能与上级同心协力，稳步晋升",
    SUPPORTED: "事业易得长辈与上司赏识提携，机会较多，发展顺利",
    GIVING: "事业上勤恳尽责，付出较多，成功来得稍慢而稳",
    CONTROLLING: "事业上有开拓精神，敢想敢做，宜与上级保持良好沟通",
    CONTROLLED: "事业上压力较大，需比别人多付出努力，坚持可有所成",
}
CAREER_FIELDS = {
    "木": "；适合教育、文化、医疗、园艺等需要耐心培育的领域。",
    "火": "；适合传媒、销售、演艺、能源等富有活力的领域。",
    "土": "；适合建筑、农业、管理、服务等重视诚信的领域。",
    "金": "；适合金融、法律、机械、管理等讲求规范的领域。",
    "水": "；适合科技、贸易、咨询、物流等需要变通的领域。",
}

FAMILY_BY_EARTH = {
    SAME: "家庭和睦，家人之间理解与信任较多",
    SUPPORTED: "家庭温暖，常得家人关爱与支持，家运兴旺",
    GIVING: "重视家庭，乐于为家人付出，家人对其依赖较深",
    CONTROLLING: "在家中较有主导性，宜多尊重家人意见，家庭会更和谐",
    CONTROLLED: "家庭中难免有些摩擦或操劳，多沟通、多包容可使家庭和乐",
}
FAMILY_STYLE = {
    "木": "；待家人宽厚仁和。",
    "火": "；能给家中带来热闹与欢乐。",
    "土": "；是家中踏实可靠的依靠。",
    "金": "；在家中重视责任与规矩。",
    "水": "；善于调和家中的气氛。",
}

MARRIAGE_BY_EARTH = {
    SAME: "婚姻和谐，夫妻志趣相投",
    SUPPORTED: "婚姻美满，易得配偶体贴扶持",
    GIVING: "在婚姻中乐于付出，懂得照顾对方",
    CONTROLLING: "在婚姻中较有主见，宜多倾听对方的想法",
    CONTROLLED: "婚姻中需多些耐心与包容，遇事共同商量",
}
MARRIAGE_STYLE = {
    "木": "；以温和体贴相待，感情可细水长流。",
    "火": "；以热情真诚相待，感情宜多些耐心。",
    "土": "；以忠厚可靠相待，感情稳定长久。",
    "金": "；以坦诚守信相待，表达宜多些柔和。",
    "水": "；以善解人意相待，感情宜保持专一稳定。",
}

CHILDREN_BY_EARTH = {
    SAME: "与子女关系融洽，亲子之间沟通顺畅",
    SUPPORTED: "子女孝顺懂事，常能带来欢乐与助力",
    GIVING: "对子女关爱备至，宜注意不要过度溺爱",
    CONTROLLING: "对子女要求较严，宜多鼓励、少批评",
    CONTROLLED: "教养子女需多费心力，耐心陪伴可收获深厚亲情",
}
CHILDREN_STYLE = {
    "木": "；以身作则，重视品德教育。",
    "火": "；家中充满热情与鼓励。",
    "土": "；给孩子安稳的成长环境。",
    "金": "；注重培养孩子的责任感。",
    "水": "；善于启发孩子的智慧。",
}

SOCIAL_BY_HEAVEN = {
    SAME: "与长辈、上级相处融洽",
    SUPPORTED: "易得长辈与贵人提携",
    GIVING: "尊重长辈，待上级诚恳",
    CONTROLLING: "对上级敢于直言，宜注意方式",
    CONTROLLED: "与上级相处时常感拘束",
}
SOCIAL_BY_EARTH = {
    SAME: "；与同辈、晚辈相处自然，朋友较多。",
    SUPPORTED: "；晚辈与朋友乐于相助，人缘良好。",
    GIVING: "；乐于帮助朋友与晚辈，宜量力而行。",
    CONTROLLING: "；对朋友与晚辈要求较高，宜多些宽容。",
    CONTROLLED: "；交友宜慎重，多结交志同道合的朋友。",
}

MIND_BY_RATING = {
    "大吉": "精神愉快，心境开朗，对生活充满信心",
    "吉": "精神状态良好，心态平和，偶有小烦恼也能自我调节",
    "中": "精神上时有起伏，宜培养兴趣爱好，保持平常心",
    "凶": "精神上压力较多，宜学会放松，多与家人朋友倾诉",
    "大凶": "内心常有不安与烦恼，宜保持规律生活，多与亲友交流，培养积极心态",
}
MIND_CARE = {
    "木": "；亲近自然有助于舒展身心。",
    "火": "；宜学会静心，避免情绪起伏过大。",
    "土": "；宜适度变化生活节奏，避免思虑过重。",
    "金": "；宜放下过高要求，学会宽以待己。",
    "水": "；宜专注当下，避免想得太多。",
}

WEALTH_BY_HEAVEN = {
    SAME: "财运平稳，收入稳定",
    SUPPORTED: "财运顺利，常有贵人带来财源",
    GIVING: "财运尚可，付出与回报渐成正比",
    CONTROLLING: "财运有进有出，宜理性投资",
    CONTROLLED: "财运起伏较大，宜稳健理财",
}
WEALTH_BY_EARTH = {
    SAME: "，积蓄稳步增长。",
    SUPPORTED: "，家业殷实，积蓄丰足。",
    GIVING: "，为家人与朋友的开支较多，宜量入为出。",
    CONTROLLING: "，平时注意避免冲动消费。",
    CONTROLLED: "，平时多作储蓄，以备不时之需。",
}

HEALTH_BY_EARTH = {
    SAME: "体质平稳，身体健康",
    SUPPORTED: "体质良好，精力充沛",
    GIVING: "体力消耗较多，宜劳逸结合",
    CONTROLLING: "平时宜注意作息规律，避免过度劳累",
    CONTROLLED: "体质宜多加调养，保持运动习惯，定期检查",
}
HEALTH_CARE = {
    "木": "；保养上可多关注肝胆与筋骨。",
    "火": "；保养上可多关注心脏与血液循环。",
    "土": "；保养上可多关注脾胃与消化。",
    "金": "；保养上可多关注肺部与呼吸道。",
    "水": "；保养上可多关注肾脏与泌尿系统。",
}

OLD_AGE_BY_EARTH = {
    SAME: "晚年生活安定",
    SUPPORTED: "晚年福泽深厚，儿孙孝顺",
    GIVING: "晚年仍乐于为家人操劳，宜多为自己着想",
    CONTROLLING: "晚年宜放下要强之心，安享天伦",
    CONTROLLED: "晚年宜早作规划，注重养生",
}
OLD_AGE_BY_RATING = {
    "大吉": "，安享清福，幸福美满。",
    "吉": "，平安顺遂，生活安乐。",
    "中": "，若早作准备，可得安稳。",
    "凶": "，中年起多作积累，晚景可渐入佳境。",
    "大凶": "，多与家人相伴，保持乐观，可得安宁。",
}

# ---------------------------------------------------------------------------------------------
# Influences on the basic fortune, success, relations and character.

BASIC_INFLUENCE = {
    SAME: "人格{p}与地格{e}比和，根基稳固，境遇安定，家庭与工作环境较为和顺，身心健康，能安心发展。",
    SUPPORTED: "地格{e}生人格{p}，根基深厚，能得家人、下属与环境的支持，生活安稳，身心健康，发展顺利。",
    GIVING: "人格{p}生地格{e}，基础尚稳，但精力多用于照顾他人，宜注意劳逸结合，保持身体健康。",
    CONTROLLING: "人格{p}克地格{e}，能主动掌控环境，但根基稍欠安稳，易有变动，宜稳扎稳打，避免过于操劳。",
    CONTROLLED: "地格{e}克人格{p}，基础运较弱，环境易有变动，宜注意身体健康，稳定生活，凡事量力而行。",
}
SUCCESS_INFLUENCE = {
    SAME: "天格{h}与人格{p}比和，上下同心，成功运平稳向上，只要踏实努力，目标多能达成。",
    SUPPORTED: "天格{h}生人格{p}，易得长辈与上司提携，机遇较多，成功运顺利，能较快达成目标。",
    GIVING: "人格{p}生天格{h}，敬上尽心，付出较多，成功来得稍缓，但稳扎稳打终有收获。",
    CONTROLLING: "人格{p}克天格{h}，志向高远，积极进取，但易与上级意见不合，谦和处事则成功可期。",
    CONTROLLED: "天格{h}克人格{p}，成功运多经磨练，压力较大，宜耐心积累实力，厚积薄发。",
}
RELATIONS_BY_HEAVEN = {
    SAME: "与长辈、上级志同道合，相处融洽",
    SUPPORTED: "常得长辈、上级关照与信任",
    GIVING: "待上级尽心尽力，受人信赖",
    CONTROLLING: "对上级有主见，宜注意沟通方式",
    CONTROLLED: "在上级面前常感拘束，宜主动沟通",
}
RELATIONS_BY_EARTH = {
    SAME: "；与朋友、同事、晚辈往来自然，人际关系和谐。",
    SUPPORTED: "；朋友与晚辈真心相待，常能互相帮助。",
    GIVING: "；乐于关照朋友与晚辈，人缘很好，但不宜有求必应。",
    CONTROLLING: "；对朋友与晚辈要求较高，宜多些宽容与体谅。",
    CONTROLLED: "；与朋友、晚辈之间易生误会，宜以诚相待。",
}
CHARACTER_INFLUENCE = {
    "木": "人格属木，仁慈温和，积极向上，富有同情心，喜欢学习与成长",
    "火": "人格属火，热情开朗，行动迅速，富有感染力，乐于表现自己",
    "土": "人格属土，诚实稳重，讲求信用，包容心强，做事踏实可靠",
    "金": "人格属金，刚毅果断，重视原则与义气，做事讲求效率",
    "水": "人格属水，聪明灵活，善于思考与沟通，适应力强",
}
CHARACTER_BY_HEAVEN = {
    SAME: "；对上自信坦然",
    SUPPORTED: "；受长辈熏陶，心态积极",
    GIVING: "；懂得体谅他人",
    CONTROLLING: "；个性要强",
    CONTROLLED: "；遇事容易有顾虑",
}
CHARACTER_BY_EARTH = {
    SAME: "，内心平和安定。",
    SUPPORTED: "，性情从容稳定。",
    GIVING: "，乐于奉献。",
    CONTROLLING: "，宜多些耐心与宽容。",
    CONTROLLED: "，宜培养稳定的心境。",
}
CHARACTER_CAUTION = {
    "木": "需留意的是有时过于固执，多听他人意见会更好。",
    "火": "需留意的是有时性急，凡事三思而后行会更好。",
    "土": "需留意的是有时过于保守，适当尝试新事物会更好。",
    "金": "需留意的是有时言语过直，说话多些温和会更好。",
    "水": "需留意的是有时思虑过多，果断一些会更好。",
}

# ---------------------------------------------------------------------------------------------

COLUMNS = [
    ("三才", 6), ("吉凶", 4), ("解释一", 140), ("解释二", 80), ("总论", 92), ("性格", 200),
    ("意志", 100), ("事业", 100), ("家庭", 100), ("婚姻", 100), ("子女", 100), ("社交", 100),
    ("精神", 100), ("财运", 100), ("健康", 100), ("老运", 100),
    ("对基础运的影响", 100), ("对成功运的影响", 100), ("对人际关系的影响", 100),
    ("对性格的影响", 150),
]


def row(heaven, person, earth):
    key = heaven + person + earth
    up = relation(person, heaven)
    down = earth_relation(person, earth)
    word = rating(heaven, person, earth)
    excessive = key in EXCESSIVE_TRIPLES

    up_words, up_image = pair_words(person, heaven, "天格", up)
    down_words, down_image = pair_words(person, earth, "地格", down)
    explanation = (f"{up_words}，{up_image}，{SUCCESS_MEANING[up]}；"
                   f"{down_words}，{down_image}，{BASIC_MEANING[down]}。")
    second = (f"成功运{SUCCESS_WORD[up]}，基础运{BASIC_WORD[down]}，"
              f"整体{VERDICT[word]}。")
    opening = EXCESS_OPENING.format(e=person) if excessive else OPENING[word]
    summary = (f"{key}配置，{opening}。成功运{SUCCESS_WORD[up]}，"
               f"基础运{BASIC_WORD[down]}，{ADVICE[LEVEL[word]][person]}。")
    by_earth = ("立于地格土之上，根基稳固，性情踏实。" if rooted(person, earth)
                else NATURE_BY_EARTH[down].format(e=earth))
    personality = NATURE[person] + NATURE_BY_HEAVEN[up].format(h=heaven) + by_earth
    if excessive:
        personality += EXCESS_NATURE.format(e=person)

    aspects = [
        WILL_NATURE[person] + WILL_BY_HEAVEN[up],
        CAREER_BY_HEAVEN[up] + CAREER_FIELDS[person],
        FAMILY_BY_EARTH[down] + FAMILY_STYLE[person],
        MARRIAGE_BY_EARTH[down] + MARRIAGE_STYLE[person],
        CHILDREN_BY_EARTH[down] + CHILDREN_STYLE[person],
        SOCIAL_BY_HEAVEN[up] + SOCIAL_BY_EARTH[down],
        MIND_BY_RATING[word] + MIND_CARE[person],
        WEALTH_BY_HEAVEN[up] + WEALTH_BY_EARTH[down],
        HEALTH_BY_EARTH[down] + HEALTH_CARE[person],
        OLD_AGE_BY_EARTH[down] + OLD_AGE_BY_RATING[word],
    ]
    influences = [
        ("人格木立于地格土之上，如树木扎根大地，根基稳固，境遇安定，身心健康，能安心发展。"
         if rooted(person, earth) else BASIC_INFLUENCE[down].format(p=person, e=earth)),
        SUCCESS_INFLUENCE[up].format(p=person, h=heaven),
        RELATIONS_BY_HEAVEN[up] + RELATIONS_BY_EARTH[down],
        CHARACTER_INFLUENCE[person] + CHARACTER_BY_HEAVEN[up] + CHARACTER_BY_EARTH[down]
        + CHARACTER_CAUTION[person],
    ]
    return [key, word, explanation, second, summary, personality] + aspects + influences


def build_rows():
    rows = [row(h, p, e) for h in ELEMENTS for p in ELEMENTS for e in ELEMENTS]
    for cells in rows:
        assert len(cells) == len(COLUMNS)
        for (name, limit), text in zip(COLUMNS, cells):
            assert len(text) <= limit, (cells[0], name, len(text), text)
            assert "\t" not in text and "\n" not in text
            text.encode("gbk")  # the program shows every text in GBK
    # No text may praise what its rating condemns, or the other way round: both neighbours
    # helping under a bad rating, or both hindering under a good one.
    for cells in rows:
        heaven, person, earth = cells[0]
        weights = (RELATION_WEIGHT[relation(person, heaven)],
                   RELATION_WEIGHT[earth_relation(person, earth)])
        assert not (cells[1] in ("凶", "大凶") and min(weights) > 0), cells[0]
        assert not (cells[1] in ("大吉", "吉") and max(weights) < 0), cells[0]
    for column in ("解释一", "总论", "性格"):
        index = [name for name, _ in COLUMNS].index(column)
        assert len({cells[index] for cells in rows}) == len(rows), column
    return rows


def main():
    rows = build_rows()
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), "three_talents.tsv")
    with open(target, "w", encoding="utf-8", newline="\n") as out:
        out.write("\t".join(name for name, _ in COLUMNS) + "\n")
        for cells in rows:
            out.write("\t".join(cells) + "\n")
    counts = {}
    for cells in rows:
        counts[cells[1]] = counts.get(cells[1], 0) + 1
    print(" ".join(f"{w}={counts.get(w, 0)}" for w in ("大吉", "吉", "中", "凶", "大凶")),
          file=sys.stderr)


if __name__ == "__main__":
    main()
