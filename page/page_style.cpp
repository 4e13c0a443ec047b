#include "page/html.h"

// Light on the screen and a projector (dark text on white carries best in a
// lit room), one accent for headings, green for winners. Sizes follow the
// viewport between a phone and a 1920-pixel projector. ASCII only: the one
// Hangul mark is a CSS escape.
namespace rl::page::html {

const char* const kStyle = R"(:root{--ink:#141a26;--muted:#556075;--faint:#8791a5;--line:#dfe3eb;--paper:#fff;--ground:#eef1f6;
--accent:#1d4ed8;--win:#08754a;--win-soft:#e2f4ea;--gold:#a16207;--wire:#8b97ae;--box:11rem;--arm:1.25rem;--stem:1.25rem}
*{box-sizing:border-box}
html{font-size:clamp(15px,.55vw + 10px,22px);-webkit-text-size-adjust:100%;text-size-adjust:100%}
body{margin:0;background:var(--ground);color:var(--ink);line-height:1.45;word-break:keep-all;
font-family:Pretendard,"Apple SD Gothic Neo","Malgun Gothic","Noto Sans KR","Noto Sans CJK KR",NanumGothic,system-ui,sans-serif}
.masthead{background:#17275c;background:linear-gradient(135deg,#14214d,#1f3f96);color:#fff;padding:1.5rem clamp(1rem,4vw,3rem) 1.3rem}
h1{margin:0;font-size:clamp(1.7rem,2.2vw + .9rem,3rem);line-height:1.15;font-weight:800;letter-spacing:-.02em;overflow-wrap:anywhere}
.facts{list-style:none;margin:.75rem 0 0;padding:0;display:flex;flex-wrap:wrap;gap:.4rem}
.facts li{background:rgba(255,255,255,.15);border-radius:99px;padding:.1rem .75rem;font-size:.85rem}
.when{margin:.7rem 0 0;font-weight:700}
.proof{margin:.35rem 0 0;font-size:.72rem;color:#c9d4f2;max-width:62rem}
.proof b{color:#fff}
code{font-family:ui-monospace,"DejaVu Sans Mono",Consolas,monospace;font-size:.95em;overflow-wrap:anywhere;word-break:break-all}
main{padding:1.1rem clamp(.5rem,2vw,2rem) 1.5rem}
.groups,.stage{display:flex;flex-wrap:wrap;gap:1rem;align-items:flex-start}
.stage{margin-bottom:1rem}
.group{flex:1 1 25rem;min-width:0;max-width:100%;background:var(--paper);border:1px solid var(--line);border-radius:.75rem;
padding:.9rem 1.1rem 1rem;box-shadow:0 1px 3px rgba(20,33,77,.08)}
.group.r2{flex-basis:27rem}
.group.r3{flex-basis:41rem}
.group.r4{flex-basis:55rem}
.group.r5{flex-basis:69rem}
.group.r6{flex-basis:83rem}
.group.final{flex-basis:20rem;flex-grow:0}
h2{margin:0;font-size:1.5rem;line-height:1.2;font-weight:800;color:var(--accent);letter-spacing:-.01em}
h3{margin:.9rem 0 .35rem;font-size:.75rem;font-weight:700;color:var(--muted);letter-spacing:.06em}
.parts{display:flex;flex-wrap:wrap;gap:0 2rem;align-items:flex-start}
.part{flex:1 1 20rem;min-width:0;max-width:100%}
.knockout .part.matches{flex:0 1 auto}
.members{list-style:none;margin:0;padding:0;display:flex;flex-wrap:wrap;gap:.3rem}
.members li{background:var(--ground);border-radius:99px;padding:.05rem .65rem;font-size:.85rem;overflow-wrap:anywhere}
.scroll,.bracket-scroll{overflow-x:auto;max-width:100%}
table{width:100%;border-collapse:collapse;font-variant-numeric:tabular-nums}
th{font-size:.72rem;font-weight:700;color:var(--muted);text-align:left;padding:.2rem .4rem;border-bottom:2px solid var(--line);white-space:nowrap}
td{padding:.36rem .4rem;border-bottom:1px solid var(--line)}
tbody tr:last-child td{border-bottom:0}
.n{width:1%;padding-left:.9em;text-align:right;white-space:nowrap}
.rank{width:1%;padding-right:.8em;white-space:nowrap;color:var(--muted);font-weight:700}
td.name{font-weight:600;overflow-wrap:anywhere}
.standings tr.first td{background:#fff7e0}
.standings tr.first .rank{color:var(--gold)}
.final td.from{color:var(--muted);white-space:nowrap}
.final tr.podium1 td{background:#fdf0c4;font-weight:800}
.final tr.podium1 td.name{font-size:1.2em}
.final tr.podium2 td{background:#eef1f5}
.final tr.podium3 td{background:#f8ece2}
.final tr.podium1 .rank{color:var(--gold)}
.note{font-size:.75em;font-weight:400;color:var(--muted)}
.schedule .no{width:2.4em;text-align:right;color:var(--faint);white-space:nowrap}
.schedule .p{width:34%;overflow-wrap:anywhere}
.schedule .p:nth-child(2){text-align:right}
.schedule .score{width:3.6em;text-align:center;white-space:nowrap;font-weight:800}
.schedule tr:not(.played) .score{color:var(--faint);font-weight:400}
.schedule tr.played .p{color:var(--muted)}
.schedule tr.played .p.win{color:var(--win);font-weight:800}
.schedule td.map{color:var(--muted);font-size:.85em}
.p.win::after,.p.win:nth-child(2)::before{content:"\C2B9";display:inline-block;margin:0 .45em;padding:0 .35em;border-radius:.3em;
background:var(--win);color:#fff;font-size:.68em;font-weight:700;vertical-align:.12em}
.p.win:nth-child(2)::after{content:none}
td.bye{color:var(--faint);font-style:italic}
.bracket{display:inline-block;min-width:100%;padding:.1rem 0 .4rem}
.rounds{display:flex;margin-bottom:.2rem}
.rounds span{flex:none;width:calc(var(--box) + var(--arm) + var(--stem));padding-left:calc(var(--arm) + var(--stem));
font-size:.72rem;font-weight:700;color:var(--muted);letter-spacing:.06em}
.rounds span:first-child{width:var(--box);padding-left:0}
.node{display:flex;align-items:center}
.feeders{display:flex;flex-direction:column}
.feed{position:relative;display:flex;padding:.3rem var(--arm) .3rem 0}
.arm{position:absolute;right:0;width:var(--arm);border:0 solid var(--wire)}
.arm.down{top:calc(50% - 1px);bottom:0;border-top-width:2px;border-right-width:2px}
.arm.up{top:0;bottom:calc(50% - 1px);border-bottom-width:2px;border-right-width:2px}
.arm.straight{top:calc(50% - 1px);height:2px;border-top-width:2px}
.stem{flex:none;width:var(--stem);height:2px;background:var(--wire)}
.match{flex:none;width:var(--box);background:var(--paper);border:1px solid #c7cedb;border-radius:.5rem;overflow:hidden;
font-size:.9rem;box-shadow:0 1px 2px rgba(20,33,77,.08)}
.match.bye{border-style:dashed}
.match .head{display:flex;justify-content:space-between;gap:.5rem;padding:.1rem .55rem;background:#f3f5f9;
border-bottom:1px solid var(--line);font-size:.7rem;color:var(--muted)}
.match .map{text-align:right;overflow-wrap:anywhere}
.side{display:flex;justify-content:space-between;align-items:baseline;gap:.5rem;padding:.22rem .55rem;border-left:3px solid transparent}
.side+.side{border-top:1px solid var(--line)}
.who{min-width:0;overflow-wrap:anywhere}
.who.tbd{color:var(--faint);font-size:.85em}
.tag{margin-left:auto;font-size:.68rem;font-weight:600;color:var(--faint)}
.match.third{margin-top:.2rem}
.pts{font-weight:800;color:var(--muted)}
.match.played .side{color:var(--muted)}
.match .side.win{background:var(--win-soft);border-left-color:var(--win);color:#064e31;font-weight:800}
.side.win .pts{color:var(--win)}
.side.pass .who{color:var(--faint);font-style:italic}
.empty{color:var(--faint)}
@media (max-width:32rem){
:root{--box:9.8rem;--arm:.85rem;--stem:.85rem}
main{padding:.7rem .5rem 1rem}
.group{padding:.8rem .75rem .9rem}
.n{padding-left:.45em}
th,td{padding-left:.3em;padding-right:.3em}
}
footer{padding:0 1rem 1.2rem;text-align:center;font-size:.72rem;color:var(--faint)}
@page{size:A4;margin:12mm}
@media print{
html{font-size:9pt}
body{background:#fff}
.masthead{background:none;color:#000;padding:0 0 .5rem;border-bottom:2px solid #000}
.facts li{background:none;border:1px solid #999}
.proof,.proof b{color:#222}
main{padding:.8rem 0 0}
.groups,.stage,.parts{display:block}
.group{margin:0 0 .8rem;box-shadow:none;border-color:#aaa;break-inside:avoid}
.scroll,.bracket-scroll{overflow:visible}
.standings tr.first td,.final tr td,.match .side.win,.match .head{background:none}
.match{box-shadow:none}
h3{margin:.5rem 0 .2rem}
th,td{padding-top:.1rem;padding-bottom:.1rem}
.members li{padding:0 .5rem;border:1px solid #ccc}
.p.win::after,.p.win:nth-child(2)::before{background:none;color:var(--win);border:1px solid var(--win)}
}
)";

// Only a seeded draw's page carries the pots and tags, and their style.
const char* const kSeedStyle = R"(.members .pot,.members .tag{font-size:.72rem;margin-left:.35rem;white-space:nowrap}
.members .pot{font-weight:800;color:var(--accent)}
.members .tag{color:var(--muted)}
@media print{.members .pot,.members .tag{color:#222}}
)";

// Only a page with a replacement marks whom a member replaced.
const char* const kChangeStyle = R"(.members .was{font-size:.72rem;margin-left:.35rem;color:var(--muted);white-space:nowrap}
.members .was::before{content:"\2190\00a0"}
@media print{.members .was{color:#222}}
)";

// Only a page with a series carries it, so that every other page stays as it was.
const char* const kSeriesStyle = R"(.bo{font-size:.72rem;font-weight:800;color:var(--accent);white-space:nowrap}
.games{margin:0;padding:0;list-style:none;counter-reset:game;font-size:.78rem;color:var(--muted)}
.games li{display:inline-block;margin-right:.6em;white-space:nowrap}
.games li::before{counter-increment:game;content:counter(game);margin-right:.25em;font-size:.85em;font-weight:700;color:var(--faint)}
.schedule td.map .games{margin-top:.1rem}
.match .games{padding:.15rem .55rem;border-top:1px solid var(--line);background:#f8f9fb;white-space:normal}
@media print{.bo{color:#222}}
)";

const char* const kGamesStyle = R"(.games li.played{color:var(--ink)}
.games .gw{margin-left:.3em;font-weight:700}
)";

// Only a page with races marks them: a letter in a frame of its race's
// colour, black in print, where the letter alone carries it.
const char* const kRaceStyle = R"(.race{display:inline-block;min-width:1.45em;margin-left:.35em;padding:0 .15em;border:1px solid;
border-radius:.3em;color:var(--race);font-size:.68em;font-weight:800;line-height:1.35;text-align:center;
vertical-align:.12em;white-space:nowrap;text-indent:0}
.race-t{--race:#1d4ed8}
.race-z{--race:#7e22ce}
.race-p{--race:#a16207}
.race-r{--race:#556075}
p.races{margin:.35rem 0 0;font-size:.78rem;color:var(--muted)}
@media print{.race{color:#000}p.races{color:#222}}
)";

const char* const kRaceStatsStyle = R"(.group.final{flex-basis:28rem}
.final td.name{min-width:5.5em}
.final .vs{width:1%;padding-left:.7em;text-align:right;white-space:nowrap}
.final th.vs{text-align:right}
@media (max-width:32rem){.final td.name{min-width:4.5em}.final .vs,.final td.from{padding-left:.25em;padding-right:.25em;font-size:.9em}}
.group.map-races{margin-top:1rem}
.mapraces td.name{width:10rem;min-width:6rem}
.mapraces td.mu span{display:inline-block;margin:.05rem 1.1em .05rem 0;white-space:nowrap}
.mapraces tfoot td{border-top:2px solid var(--line);font-weight:800}
)";

}  // namespace rl::page::html
