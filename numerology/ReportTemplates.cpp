#include "numerology/ReportTemplates.h"

// The pages are written in the browser's charset gb2312; the literals of this file compile to GBK.

std::string_view ScoreReportTemplate() {
    static constexpr std::string_view kTemplate = R"html(<html>
<head>
<meta http-equiv="Content-Type" content="text/html; charset=gb2312">
<title>名字评分</title>
<style type="text/css">
body { margin: 12px; font-family: 宋体, SimSun, serif; font-size: 14px; line-height: 160%; background-color: #FFFFFF; }
td { font-size: 14px; line-height: 160%; }
.tablebgcolor { background-color: #C9D7E7; }
.tdbgcolor { background-color: #FFFFFF; }
.labelcell { background-color: #F2F2F2; color: #808080; }
.fontcolor1 { font-size: 18px; font-weight: bold; color: #1F4E79; }
.fontcolor3 { color: #FF0000; }
.divh { height: 10px; overflow: hidden; }
.sy { font-size: 1px; color: #FFFFFF; display: none; }
.score { color: #FF0000; font-size: 24px; font-weight: bold; font-family: Arial, sans-serif; }
</style>
</head>
<body>
<table width="760" border="0" align="center" cellpadding="0" cellspacing="0">
  <tr>
    <td width="520" valign="top">
      <table width="100%" border="0" cellpadding="4" cellspacing="1" class="tablebgcolor">
        <tr>
          <td class="labelcell" align="center"></td>
          <td class="labelcell" align="center">繁体</td>
          <td class="labelcell" align="center">拼音</td>
          <td class="labelcell" align="center">简体笔划</td>
          <td class="labelcell" align="center">康熙笔划</td>
          <td class="labelcell" align="center">字意五行</td>
        </tr>
        <tr>
          <td class="tdbgcolor" align="center"><span class="fontcolor1">{简体姓氏1}</span></td>
          <td class="tdbgcolor" align="center"><font color="#666666">{繁体姓氏1}</font></td>
          <td class="tdbgcolor" align="center"><font color="#666666">{姓氏1拼音}</font></td>
          <td class="tdbgcolor" align="center">{简体姓氏1笔划}</td>
          <td class="tdbgcolor" align="center">{繁体姓氏1笔划}</td>
          <td class="tdbgcolor" align="center">{姓氏1五行}</td>
        </tr>
        <tr>
          <td class="tdbgcolor" align="center"><span class="fontcolor1">{简体姓氏2}</span></td>
          <td class="tdbgcolor" align="center"><font color="#666666">{繁体姓氏2}</font></td>
          <td class="tdbgcolor" align="center"><font color="#666666">{姓氏2拼音}</font></td>
          <td class="tdbgcolor" align="center">{简体姓氏2笔划}</td>
          <td class="tdbgcolor" align="center">{繁体姓氏2笔划}</td>
          <td class="tdbgcolor" align="center">{姓氏2五行}</td>
        </tr>
        <tr>
          <td class="tdbgcolor" align="center"><span class="fontcolor1">{简体名字1}</span></td>
          <td class="tdbgcolor" align="center"><font color="#666666">{繁体名字1}</font></td>
          <td class="tdbgcolor" align="center"><font color="#666666">{名字1拼音}</font></td>
          <td class="tdbgcolor" align="center">{简体名字1笔划}</td>
          <td class="tdbgcolor" align="center">{繁体名字1笔划}</td>
          <td class="tdbgcolor" align="center">{名字1五行}</td>
        </tr>
        <tr>
          <td class="tdbgcolor" align="center"><span class="fontcolor1">{简体名字2}</span></td>
          <td class="tdbgcolor" align="center"><font color="#666666">{繁体名字2}</font></td>
          <td class="tdbgcolor" align="center"><font color="#666666">{名字2拼音}</font></td>
          <td class="tdbgcolor" align="center">{简体名字2笔划}</td>
          <td class="tdbgcolor" align="center">{繁体名字2笔划}</td>
          <td class="tdbgcolor" align="center">{名字2五行}</td>
        </tr>
      </table>
    </td>
    <td width="120" align="center" valign="middle" class="tdbgcolor">
      <p>天格-&gt; {天格}({天格五行})</p>
      <p>人格-&gt; {人格}({人格五行})</p>
      <p>地格-&gt; {地格}({地格五行})</p>
    </td>
    <td width="120" align="center" valign="middle" class="tdbgcolor">
      <p>外格-&gt; {外格}({外格五行})</p>
      <p></p>
      <p>总格-&gt; {总格}({总格五行})</p>
    </td>
  </tr>
</table>
<div class="divh"></div>
<table width="760" border="0" align="center" cellpadding="4" cellspacing="0">
  <tr><td style="font-size: 12px; color: #808080;">说明：五格剖象法所用字的笔划以《康熙字典》为准,不能按简体字的笔画数去计算。五格剖象法只是姓名学的一种,名字的好坏还要结合八字、音律、字形、字义等综合考虑。本方法测命理只供参考,切勿影响生活!<span class="sy">[ 结果来源于： 沐禾宝宝取名软件 ]</span></td></tr>
</table>
<div class="divh"></div>
<table width="760" border="0" align="center" cellpadding="6" cellspacing="1" class="tablebgcolor">
  <tr><td class="tdbgcolor"><span class="fontcolor1">天格{天格}的解析：</span>天格数是先祖留传下来的，其数理对人影响不大。（由于姓是固定的，所以天格也是固定的，不论凶吉都无法改)</td></tr>
  <tr><td class="tdbgcolor">{天格总论}（<font color=red>{天格吉凶}</font>）</td></tr>
  <tr><td class="tdbgcolor"> → 详细解释：<br />{天格释义}</td></tr>
</table>
<div class="divh"></div>
<table width="760" border="0" align="center" cellpadding="6" cellspacing="1" class="tablebgcolor">
  <tr><td class="tdbgcolor"><span class="fontcolor1">人格{人格}的解析：</span>人格数又称主运，是整个姓名的中心点，影响人的一生命运。</td></tr>
  <tr><td class="tdbgcolor">{人格总论}（<font color=red>{人格吉凶}</font>）</td></tr>
  <tr><td class="tdbgcolor"> → 详细解释：<br />{人格释义}</td></tr>
</table>
<div class="divh"></div>
<table width="760" border="0" align="center" cellpadding="6" cellspacing="1" class="tablebgcolor">
  <tr><td class="tdbgcolor"><span class="fontcolor1">地格{地格}的解析：</span>地格数又称前运，影响人中年（36岁）以前的活动力。</td></tr>
  <tr><td class="tdbgcolor">{地格总论}（<font color=red>{地格吉凶}</font>）</td></tr>
  <tr><td class="tdbgcolor"> → 详细解释：<br />{地格释义}</td></tr>
</table>
<div class="divh"></div>
<table width="760" border="0" align="center" cellpadding="6" cellspacing="1" class="tablebgcolor">
  <tr><td class="tdbgcolor"><span class="fontcolor1">总格{总格}的解析：</span>总格又称后运，影响人中年（36岁）以后的命运。</td></tr>
  <tr><td class="tdbgcolor">{总格总论}（<font color=red>{总格吉凶}</font>）</td></tr>
  <tr><td class="tdbgcolor"> → 详细解释：<br />{总格释义}</td></tr>
</table>
<div class="divh"></div>
<table width="760" border="0" align="center" cellpadding="6" cellspacing="1" class="tablebgcolor">
  <tr><td class="tdbgcolor"><span class="fontcolor1">外格{外格}的解析：</span>外格又称变格，影响人的社交能力、智慧等，其数理不用重点去看。</td></tr>
  <tr><td class="tdbgcolor">{外格总论}（<font color=red>{外格吉凶}</font>）</td></tr>
  <tr><td class="tdbgcolor"> → 详细解释：<br />{外格释义}</td></tr>
</table>
<div class="divh"></div>
<table width="760" border="0" align="center" cellpadding="6" cellspacing="1" class="tablebgcolor">
  <tr><td class="tdbgcolor"><span class="fontcolor1">对三才数理的影响：</span>您的姓名三才配置为：{三才}。它具有如下数理诱导力，据此会对人生产生一定的影响。</td></tr>
  <tr><td class="tdbgcolor">{三才总论}（<font color=red>{三才吉凶}</font>）</td></tr>
  <tr><td class="tdbgcolor"> → 详细解释：<br />{三才释义}</td></tr>
</table>
<div class="divh"></div>
<table width="760" border="0" align="center" cellpadding="6" cellspacing="1" class="tablebgcolor">
  <tr>
    <td class="tdbgcolor" width="30%" align="center">对基础运的影响</td>
    <td class="tdbgcolor">{基础运}</td>
  </tr>
  <tr>
    <td class="tdbgcolor" width="30%" align="center">对成功运的影响</td>
    <td class="tdbgcolor">{成功运}</td>
  </tr>
  <tr>
    <td class="tdbgcolor" width="30%" align="center">对人际关系的影响</td>
    <td class="tdbgcolor">{人际关系}</td>
  </tr>
  <tr>
    <td class="tdbgcolor" width="30%" align="center">对性格的影响</td>
    <td class="tdbgcolor">{性格}</td>
  </tr>
</table>
<div class="divh"></div>
<table width="760" border="0" align="center" cellpadding="6" cellspacing="1" class="tablebgcolor">
  <tr>
    <td class="tdbgcolor" width="30%" align="center">天格{天格}有以下数理暗示</td>
    <td class="tdbgcolor">{天格数理暗示}</td>
  </tr>
  <tr>
    <td class="tdbgcolor" width="30%" align="center">人格{人格}有以下数理暗示</td>
    <td class="tdbgcolor">{人格数理暗示}</td>
  </tr>
  <tr>
    <td class="tdbgcolor" width="30%" align="center">地格{地格}有以下数理暗示</td>
    <td class="tdbgcolor">{地格数理暗示}</td>
  </tr>
  <tr>
    <td class="tdbgcolor" width="30%" align="center">总格{总格}有以下数理暗示</td>
    <td class="tdbgcolor">{总格数理暗示}</td>
  </tr>
  <tr>
    <td class="tdbgcolor" width="30%" align="center">外格{外格}有以下数理暗示</td>
    <td class="tdbgcolor">{外格数理暗示}</td>
  </tr>
</table>
<div class="divh"></div>
<table width="760" border="0" align="center" cellpadding="6" cellspacing="1" class="tablebgcolor">
  <tr>
    <td class="tdbgcolor" width="60%">总评及建议：<br />&nbsp;&nbsp;{总分建议}</td>
    <td class="tdbgcolor" width="40%" align="center">姓名五格评分：<span class="score">{评分总分}</span> 分</td>
  </tr>
</table>
</body>
</html>
)html";
    return kTemplate;
}

std::string_view CharacterPageTemplate() {
    static constexpr std::string_view kTemplate = R"html(<html>
<head>
<meta http-equiv="Content-Language" content="zh-cn">
<meta http-equiv="Content-Type" content="text/html; charset=gb2312">
<style type="text/css">
body { font-family: 宋体, SimSun, serif; font-size: 12px; line-height: 160%; }
td { font-family: 宋体, SimSun, serif; font-size: 14px; line-height: 170%; }
.font_22 { font-size: 52px; color: #FF0000; line-height: 120%; }
.font_14 { font-size: 22px; line-height: 150%; }
.rule { border: 0; border-top: 1px solid #C0C0C0; height: 1px; margin: 4px 0; }
</style>
<title>{汉字}</title>
</head>
<body bgcolor="#FFFFEC" topmargin="20" leftmargin="20">
<table width="580" border="0" align="center" cellpadding="4" cellspacing="0">
  <tr>
    <td width="120" align="center" valign="middle"><span class="font_22">{汉字}</span></td>
    <td valign="middle">
      <table border="0" cellpadding="4" cellspacing="0">
        <tr>
          <td>拼音：</td><td><span class="font_14">{拼音}</span></td>
          <td>简体笔划：</td><td>{简体笔划}</td>
        </tr>
        <tr>
          <td>部首：</td><td>{部首}</td>
          <td>繁体笔划：</td><td>{繁体笔划}</td>
        </tr>
      </table>
    </td>
  </tr>
  <tr>
    <td colspan="2">
      <b>基本解释</b>：<hr class="rule">
      {基本解释}
    </td>
  </tr>
  <tr>
    <td colspan="2">
      <b>详细解释</b>：<hr class="rule">
      {详细解释}
    </td>
  </tr>
</table>
</body>
</html>
)html";
    return kTemplate;
}

std::string_view SurnamePageTemplate() {
    static constexpr std::string_view kTemplate =
        "<html>\r\n"
        "<head>\r\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n"
        "<title>百家姓_{姓氏}</title>\r\n"
        "</head>\r\n"
        "<body topmargin=\"30\" leftmargin=\"30\" rightmargin=\"30\" bottommargin=\"30\" "
        "bgcolor=\"#FFFFEC\">\r\n"
        "<font color=red size=5><b>{姓氏}</b></font><br>\r\n"
        "<br><b>姓氏起源</b>： <br>{姓氏起源}<br><br><b>分布地域</b>： "
        "<br>{聚集地}<br><br><b>历史名人</b>： <br>{历史名人}<br>\r\n"
        "</body>\r\n"
        "</html>\r\n";
    return kTemplate;
}
