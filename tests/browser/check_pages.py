#!/usr/bin/env python3
"""The event pages as a browser builds them.

Writes the page of several events with rosterloom-cli, validates each with
tidy, loads them all at once in headless Chromium (each in a 1280-pixel and a
390-pixel frame) and checks what the browser built against the text output
of the same event: schedule rows, table rows, bracket boxes and where they
stand, the joining lines, escaped names, the width on a phone. Then prints
each page to PDF and counts its A4 pages.

Usage: check_pages.py PATH/TO/rosterloom-cli [FOLDER]; the pages and their
PDFs are kept in FOLDER when it is given. Exit status 1 on any fault.
"""
import collections
import json
import os
import pathlib
import re
import subprocess
import sys
import tempfile

CLI = pathlib.Path(sys.argv[1]).resolve()
HERE = pathlib.Path(__file__).resolve().parent
DATA = HERE.parent / 'data'
CHROMIUM = ['chromium', '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--disable-background-networking', '--disable-component-update', '--disable-sync']
HOSTILE = ['<script>alert(1)</script>', '"><img src=x onerror=alert(1)>', "O'Neil & <b>Co</b>",
           '가나다라마바사아자차카타파하거너더러머버서어저처X']  # 49 bytes in code page 949


def every(group, matches, score='2:1'):
    return ''.join(f'{group} {n} {score}\n' for n in range(1, matches + 1))


# Each event: participants, maps, options, results, title, A4 pages printed.
CASES = {
    'league': (DATA / 'readme-players.txt', DATA / 'readme-maps.txt', '--groups 2 --size 4 --seed 2024',
               (DATA / 'readme-results.txt').read_text(), '봄 리그 2026', 1),
    'knockout': (DATA / 'readme-players.txt', DATA / 'readme-maps.txt', '--groups 2 --size 4 --tournament --seed 2024',
                 (DATA / 'tournament-results.txt').read_text(), None, 1),
    'byes': ([f'선수{i}' for i in range(1, 14)], ['투혼', 'Fighting Spirit', '서킷 브레이커'],
             '--groups 2 --size 8 --tournament --seed 7',
             'A 1 2:0\nA 2 1:2\nA 3 2:1\nA 5 0:2\nA 6 2:1\nA 7 2:0\nB 1 2:1\nB 2 0:2\nB 3 2:0\n', None, 2),
    'names': (HOSTILE + ['Vesper', '김하늘'], ['<b>맵</b>', '"투혼"'], '--groups 1 --size 6 --seed 5',
              every('A', 15).replace('A 3 2:1', 'A 3 <script>alert(1)</script>'), '<script>alert(1)</script> & "컵"', 1),
    'playoff': (DATA / 'playoff-players.txt', DATA / 'playoff-maps.txt',
                '--groups 4 --size 4 --seed 2024 --playoff 2 --third-place',
                (DATA / 'playoff-results.txt').read_text(), '봄 리그 본선', 4),
    'dual': (DATA / 'readme-players.txt', DATA / 'readme-maps.txt', '--groups 2 --size 4 --dual --seed 2024',
             'A 1 2:0\nA 2 1:2\nA 3 2:1\nA 4 0:2\nA 5 2:0\nB 1 2:1\nB 3 0:2\n', '듀얼 토너먼트', 1),
    'seeded': (DATA / 'readme-seeded-players.txt', DATA / 'readme-maps.txt',
               '--pots --groups 3 --size 4 --tournament --seed 2024', 'A 1 2:0\nA 2 0:2\n', '시드 배정', 2),
    'games': (DATA / 'games-players.txt', DATA / 'games-maps.txt',
              '--dual --groups 2 --size 4 --best-of 5 --playoff 2 --playoff-best-of 5,7 --seed 31',
              (DATA / 'games-results.txt').read_text(), '세트 기록', 3),
    # Groups placed by hand: the file is given with --placement (see PLACED).
    'placed': (DATA / 'placement-dual.txt', DATA / 'readme-maps.txt', '--groups 4 --size 4 --dual --seed 2018',
               (DATA / 'placement-dual-results.txt').read_text(), '직접 편성한 듀얼', 2),
    'replaced': (DATA / 'changes-players.txt', DATA / 'readme-maps.txt', '--groups 3 --size 4 --seed 2024',
                 '교체 Sea Killer\n맞교환 Quill Orrin\nA 1 2:0\n', '교체 뒤', 2),
    # An event file with races: the page shows them and, with games, how the maps played for each.
    'races': (DATA / 'race-event.json', None, '--event',
              'A 1 2:1\nA 2 0:2\nA 3 1:2\nA 4 2:0\nA 5 최민호\nA 6 2:1\nB 1 2:0\nB 2 1:2\nB 3 Ash\nB 4 2:0\n'
              'B 5 0:2\nB 6 2:1\nC 1 2:0\nC 2 1:2\nC 3 부전승 Wren\nC 5 Orrin\n', '종족 리그', 2),
    'largest': ([f'player{i}' for i in range(64)], [f'map{i}' for i in range(10)], '--groups 8 --size 8 --seed 1',
                ''.join(every(chr(65 + g), 28) for g in range(8)), None, 9),
}
# Pages made by the page tests (a playoff needs a whole evening of results),
# with the text of the same event: page, text, title, A4 pages printed.
MADE = {'playoff-byes': ('playoff-page.html', 'page-playoff.txt', '2026 봄 <리그> & "본선"', 4),
        'races-playoff': ('races-page.html', 'page-playoff.txt', '2026 봄 <리그> & "본선"', 4)}
# A team league's pages made by the page tests: page, title, sets a match
# needs to win, the ace set (None: none), A4 pages printed.
TEAMS = {'team-sets': ('team-sets-page.html', '팀 리그 <2026> & "시즌 1"', 3, 5, 2),
         'team-winner': ('team-winner-page.html', '팀 리그 <2026> & "시즌 1"', 3, None, 1),
         'team-knockout': ('team-knockout-page.html', '팀 리그 <2026> & "시즌 1"', 2, None, 1),
         'team-races': ('team-races-page.html', '팀 리그 <2026> & "시즌 1"', 2, None, 1),
         'team-settled': ('team-settled-page.html', '팀 리그 <2026> & "시즌 1"', 2, None, 1)}
RECORD = re.compile(r'(\d+)승 (\d+)패 ([+-]?\d+) \((\d+)승 (\d+)패\)')
RACES = {'races', 'races-playoff'}
RACE_NAMES = {'T': '테란', 'Z': '저그', 'P': '프로토스', 'R': '랜덤'}
PLACED = {'placed'}
WIDTHS = (1280, 390)
faults = []


def fault(where, message):
    faults.append(f'{where}: {message}')


def pad(text, width):  # a cell of the text output: widths count code page 949 bytes
    return text + ' ' * max(0, width - len(text.encode('cp949')))


def run_cli(work, name, extra):
    players, maps, options, results, title, _ = CASES[name]
    (work / f'{name}-results.txt').write_text(results)
    if maps is None:  # an event file
        return run(name, [CLI, options, players, '--results', work / f'{name}-results.txt', *extra])
    files = []
    for kind, value in (('players', players), ('maps', maps)):
        if isinstance(value, list):
            value = work / f'{name}-{kind}.txt'
            value.write_text(''.join(n + '\n' for n in CASES[name][0 if kind == 'players' else 1]))
        files.append(value)
    return run(name, [CLI, *options.split(), '--maps', files[1], '--results', work / f'{name}-results.txt', *extra,
                      *(['--placement'] if name in PLACED else []), files[0]])


def run(name, args):
    env = dict(os.environ, ROSTERLOOM_DRAWN_AT='2026-03-14T19:30:00')
    done = subprocess.run(args, capture_output=True, env=env)
    if done.returncode:
        sys.exit(f'check_pages: {name}: {done.stderr.decode()}')
    return done.stdout


def text_lines(text):
    """Each part's lines of the text output: a group's schedule and standings,
    the playoff (P) and the final standings (F)."""
    groups = collections.defaultdict(list)
    group = None
    for line in text.split('\r\n'):
        heading = re.match(r'< (?:(\w)조 |(본선)|(최종))', line)
        if heading:
            group = heading.group(1) or ('P' if heading.group(2) else 'F')
        if group and not heading:
            groups[group].append(line.rstrip())
    return groups


def results_of(name):
    out = {}
    for line in CASES[name][3].splitlines():
        if line and not line.startswith('#') and line.split()[1].isdigit() and '세트' not in line:
            group, number, score = line.split(None, 2)
            out[(group.upper(), int(number))] = score.removeprefix('부전승 ').replace(' ', '')
    return out


def check_league(where, s, lines, results, group):
    for row, wins in zip(s['schedule'], s['wins']):
        number, first, score, second, map_ = (row + ['', '', ''])[:5]
        expected = pad(f'{int(number):2d}경기:', 10) + pad(first, 25) + pad('[vs]', 10) + pad(second, 25)
        expected = (expected + (f'<{map_}>' if map_ else '')).rstrip()
        if len(row) == 3:
            expected = pad(f'{int(number):2d}경기:', 10) + pad(first, 25) + ' ' * 35 + '(부전승)'
        if expected not in lines:
            fault(where, f'schedule row {row} is not in the text')
        entered = results.get((group, int(number)))
        # A walkover stands on the side of the player who goes on: "-:부전승".
        points = [int(p) if p.isdigit() else 0 if p == '-' else 1 for p in score.split(':')]
        won = [] if score == 'vs' else [1 if points[0] > points[1] else 3]
        if entered and (score != entered if ':' in entered else row[won[0]] != entered) or wins != won:
            fault(where, f'match {number}: score {score}, winner cells {wins}, entered {entered}')
    if len(s['schedule']) != sum(bool(re.match(r' ?\d+경기:', line)) for line in lines):
        fault(where, 'the schedule has not as many rows as the text')


def check_table(where, s, lines):
    """Table rows as the text's lines; the final standings' third column is
    the group place, the others' the counts."""
    for row in s['table']:
        rank = f' {row[0]}' if row[0] == '-' or len(row[0]) == 2 else row[0]
        counts = row[2] if s['id'] == 'final' else ''.join(cell.rjust(6) for cell in row[2:])
        if (pad(rank, 10) + pad(row[1], 25) + counts).rstrip() not in lines:
            fault(where, f'table row {row} is not in the text')
    if s['members'] and sorted(row[1].removesuffix(' (결정)') for row in s['table']) != sorted(s['members']):
        fault(where, 'the table does not list the members')


def box_line(box, playoff):
    """The box as the text's line; the playoff's lines also name the map."""
    (first, first_pts, _), (second, second_pts, _) = box['sides']
    number = int(re.match(r'\d+', box['no']).group())  # "3경기 · 승자전" in a dual group
    start = pad(f'{number:2d}경기:', 10) + pad(first, 25)
    if 'bye' in box['classes']:
        return start + ' ' * 35 + '(부전승)'
    line = start + pad(f'{first_pts}:{second_pts}' if first_pts else '[vs]', 10)
    # A series names its length and maps after the cells instead, "(5전 3선승) <...>".
    return line + pad(second, 25) + (f'<{box["map"]}>' if box['map'] else '') if playoff else (line + second).rstrip()


def winner(box):
    names = [name for name, _, won in box['sides'] if won or 'bye' in box['classes']]
    return names[0] if names else None


def check_boxes(where, boxes, s, lines):
    for box in boxes.values():
        line = box_line(box, s['id'] == 'group-p')
        # A line may end in a mark after its cells: "(승자전)", "(부전승)".
        if not any(text == line or (text.startswith(line) and text[len(line):].lstrip().startswith('('))
                   for text in lines):
            fault(where, f'box {box["no"]} {box["sides"]} is not in the text')
        points = [int(p or 0) for _, p, _ in box['sides']]
        if [won for _, _, won in box['sides']] != ([points[0] > points[1], points[1] > points[0]] if any(points) else
                                                   [False] * len(points)) and 'bye' not in box['classes']:
            fault(where, f'box {box["no"]} marks the wrong winner')


def check_dual(where, s, lines):
    """A dual group's five matches as the text's lines, each joined by drawn
    lines to where its winner and loser go."""
    boxes = {b['id']: b for b in s['boxes']}
    check_boxes(where, boxes, s, lines)
    real = [b for b in boxes.values() if 'bye' not in b['classes']]
    if len(real) == 5 and (len(s['wires']) < 6 or min(s['wires']) <= 0):
        fault(where, f'{len(s["wires"])} drawn lines join the five matches')


def check_bracket(where, s, lines):
    boxes = {b['id']: b for b in s['boxes']}
    check_boxes(where, boxes, s, lines)
    rounds = collections.defaultdict(list)
    for box in boxes.values():
        if 'third' not in box['classes']:
            rounds[box['round']].append(box['rect'])
    right = -1
    for r in sorted(rounds):
        lefts = [rect[0] for rect in rounds[r]]
        if max(lefts) - min(lefts) > 1 or min(lefts) <= right:
            fault(where, f'round {r} is not a column of its own')
        right = max(rect[2] for rect in rounds[r])
    stems = {t['to']: t['rect'] for t in s['stems']}
    arms = collections.defaultdict(list)
    for arm in s['arms']:
        arms[arm['to']].append(arm)
        f, n, a, t = boxes[arm['from']]['rect'], boxes[arm['to']]['rect'], arm['rect'], stems[arm['to']]
        line = a[3] - 1 if arm['shape'] == 'up' else a[1] + 1
        stem_y = (t[1] + t[3]) / 2
        meets = {'down': a[1] - 1 <= stem_y, 'up': stem_y <= a[3] + 1, 'straight': abs(line - stem_y) <= 1.5}
        near = [abs(a[0] - f[2]), abs(line - (f[1] + f[3]) / 2), abs(a[2] - t[0]), abs(t[2] - n[0]),
                abs(stem_y - (n[1] + n[3]) / 2)]
        if max(near) > 1.5 or not meets[arm['shape']]:
            fault(where, f'the line from {arm["from"]} does not join {arm["to"]}: {near}')
        feeder = boxes[arm['from']]
        fed = [name for name, _, _ in boxes[arm['to']]['sides']]
        if f'<{feeder["no"]} 승자>' not in fed and (not winner(feeder) or winner(feeder) not in fed):
            fault(where, f'{arm["from"]} is joined to {arm["to"]}, which it does not feed')
    for to, pair in arms.items():
        if len(pair) == 2 and abs(pair[0]['rect'][3] - pair[1]['rect'][1]) > 1:
            fault(where, f'the two lines into {to} do not meet')
    if len(s['arms']) != max(0, len(boxes) - 1 - sum('third' in b['classes'] for b in boxes.values())):
        fault(where, 'not every match but the final is joined to the next')


def check_games(where, s, group):
    """Each game given is listed, shown, with its winner and the map it was played on."""
    given = [line.split(None, 4)[4].split(' @ ') for line in CASES['games'][3].splitlines()
             if line.startswith(f'{group} ') and ' 세트 ' in line]
    shown = [tuple(game[:2]) for game in s['games'] if game[2]]
    if not given or len(shown) != len(s['games']) or len(shown) % len(given):
        fault(where, f'{len(given)} games given, {len(s["games"])} listed, {len(shown)} shown')
    for game in given:
        if len(game) == 2 and (game[1], game[0]) not in shown:
            fault(where, f'the game won by {game[0]} on {game[1]} is not shown')


def race_counts(marks):
    counts = collections.Counter(marks)
    return ', '.join(f'{RACE_NAMES[r]} {counts[r]}' for r in RACE_NAMES if counts[r])


def check_races(where, page):
    """Each player's mark shows whole and is the same wherever the player is;
    each group's count line counts its members' marks, the playoff's its
    table's, the event's every group's."""
    race_of, everyone = {}, []
    for s in page['sections']:
        for letter, player, shown in s['races']:
            if letter not in RACE_NAMES or not shown or race_of.setdefault(player, letter) != letter:
                fault(where, f'{s["id"]}: the mark {letter!r} of {player!r} (shown: {shown})')
        if s['id'] == 'final':
            continue
        players = s['members'] or [row[1] for row in s['table']]
        marks = [race_of[p] for p in players if p in race_of]
        everyone += marks if s['members'] else []
        if s['raceCounts'] != race_counts(marks):
            fault(where, f'{s["id"]} counts {s["raceCounts"]!r} of the races {marks}')
    if page['raceCounts'] != race_counts(everyone) or not everyone:
        fault(where, f'the event counts {page["raceCounts"]!r} of the races {everyone}')
    check_race_stats(where, page, race_of)


def matchup_wins(text):
    """"T 3 : 2 Z (60%)" and "TvT 2경기" as wins by (winner's race, loser's race)."""
    wins = collections.Counter()
    for first, won, lost, second in re.findall(r'([TZPR]) (\d+) : (\d+) ([TZPR]) \(\d+%\)', text):
        wins[first, second] += int(won)
        wins[second, first] += int(lost)
    for race, games in re.findall(r'([TZPR])v\1 (\d+)경기', text):
        wins[race, race] += int(games)
    return wins


def check_race_stats(where, page, race_of):
    """The maps' rows add up to the event's, and the final standings' records
    against each race to the event's wins and losses between the races."""
    *maps, total = page['mapRaces'] or [['', '0', '']]
    if (sum((matchup_wins(row[2]) for row in maps), collections.Counter()) != matchup_wins(total[2]) or
            sum(int(row[1]) for row in maps) != int(total[1]) or not maps):
        fault(where, f'the maps\' rows do not add up to the event\'s: {page["mapRaces"]}')
    final = next((s for s in page['sections'] if s['id'] == 'final'), None)
    if not final:
        return
    columns = [head.removesuffix('전') for head in page['against']]
    won, lost = collections.Counter(), collections.Counter()
    for row in final['table']:
        for race, cell in zip(columns, row[3:]):
            record = re.fullmatch(r'(\d+)-(\d+)', cell) or re.fullmatch('-', cell)
            if not record or len(row) != 3 + len(columns):
                fault(where, f'the final standings\' row {row}')
            elif cell != '-' and row[1] in race_of:
                won[race_of[row[1]], race] += int(record.group(1))
                lost[race, race_of[row[1]]] += int(record.group(2))
    wins = +matchup_wins(total[2])
    if +won != wins or +lost != wins:
        fault(where, f'the records against each race add up to {dict(won)} won and {dict(lost)} lost, not {dict(wins)}')


def check(name, width, page, lines):
    where = f'{name} at {width} px'
    if page['widths'] != [width, width]:
        fault(where, f'page width {page["widths"][0]} in a {width}-pixel window')
    if page['active']:
        fault(where, f'{page["active"]} script, image or embedded elements')
    title = (CASES[name][4] if name in CASES else MADE[name][2]) or '조 배정 결과'
    if page['title'] != title:
        fault(where, f'title {page["title"]!r}')
    results = results_of(name) if name in CASES else {}
    for s in page['sections']:
        group = 'F' if s['id'] == 'final' else s['id'][-1].upper()
        if s['dual']:
            check_dual(f'{where}, {s["id"]}', s, lines[group])
        elif s['boxes']:
            check_bracket(f'{where}, {s["id"]}', s, lines[group])
        elif s['schedule']:
            check_league(f'{where}, {s["id"]}', s, lines[group], results, group)
        check_table(f'{where}, {s["id"]}', s, lines[group])
        if name == 'games' and group != 'F':
            check_games(f'{where}, {s["id"]}', s, group)
    if len(page['sections']) != len({key for key in lines if lines[key]}):
        fault(where, 'the page has not as many groups as the text')
    # Where a drawn event shows its seed and how to check it, a placed one says it was placed.
    placed = page['proof'].startswith('직접 편성') and '--verify' not in page['proof']
    if placed != (name in PLACED) or (name in CASES and not placed and '--verify' not in page['proof']):
        fault(where, f'the proof reads {page["proof"]!r}')
    if name == 'seeded':
        marks = {m for s in page['sections'] for member in s['marks'] for m in member}
        if not {'시드 1', '시드 2', 'Zerg', 'Terran', 'Protoss'} <= marks:
            fault(where, f'the members show pots and tags {sorted(marks)}')
    if page['wide']:
        fault(where, 'the final standings or the maps\' races do not fit across')
    if name in RACES:
        check_races(where, page)
    elif page['raceCounts'] or page['mapRaces'] or page['against'] or any(s['races'] for s in page['sections']):
        fault(where, 'races are shown on a page without any')
    if name == 'replaced':
        group = page['sections'][0]
        if 'Killer' not in group['members'] or group['replaced'] != ['Sea 대신 교체']:
            fault(where, f'the replacement is not marked: {group["members"]} {group["replaced"]}')
    if name == 'names':
        members = page['sections'][0]['members']
        for hostile in HOSTILE:
            if hostile not in members:
                fault(where, f'{hostile!r} is not shown as typed')


def check_sets(where, t, ace):
    """A match's sets: one winner each, the sets won after it counting up,
    the sets to come with their entries, the ace mark on the ace set alone;
    gives the sets each team won."""
    won = [0, 0]
    for st in t['sets']:
        number, first, middle, second, _ = st['cells']
        if st['played'] and len(st['wins']) == 1:
            won[st['wins'][0] // 2] += 1
            if middle != f'{won[0]}:{won[1]}':
                fault(where, f'{number} reads {middle} after {won}')
        elif st['played'] or st['wins'] or middle != ('엔트리' if first or second else 'vs'):
            fault(where, f'{number}: {st}')
        if st['ace'] != (number == f'{ace}세트'):
            fault(where, f'{number} is marked ace: {st["ace"]}')
    for mark, player, note in t['allKills']:
        wins = sum(st['cells'][w] == player for st in t['sets'] for w in st['wins'])
        if mark != '올킬' or note.split(' · ')[-1] != f'{wins}연승':
            fault(where, f'all-kill {mark} {player} {note}, {wins} sets won')
    return won


def check_team(name, width, page):
    """Each team match's row stands as its sets add up; each team table row
    as the schedule above it counts; the records hold every set once."""
    where = f'{name} at {width} px'
    _, title, to_win, ace, _ = TEAMS[name]
    if page['widths'] != [width, width] or page['teamWide'] or page['active'] or page['title'] != title:
        fault(where, f'width {page["widths"]}, {page["teamWide"]} wide tables, title {page["title"]!r}')
    sets_played = 0
    for s in page['sections']:
        tally = collections.defaultdict(lambda: [0, 0, 0, 0])  # matches won, lost, sets won, lost
        for t in s['teamMatches']:
            number, first, score, second = t['match'][:4]
            won = check_sets(f'{where}, {s["id"]} match {number}', t, ace)
            sets_played += sum(won)
            if score == 'vs':
                if t['wins']:
                    fault(where, f'match {number} is not played but has a winner')
                continue
            points = [to_win, 0] if score == '부전승:-' else [0, to_win] if score == '-:부전승' else \
                [int(p) for p in score.split(':')]
            # A team that ran out of players loses the sets it could not play, as in a walkover.
            counted = [max(w, to_win) if side == (t['wins'] or [1])[0] // 2 else w for side, w in enumerate(won)]
            if '부전승' not in score and points != counted or t['wins'] != [1 if points[0] > points[1] else 3]:
                fault(where, f'match {number} reads {score}, winner {t["wins"]}, from sets {won}')
            for team, (mine, theirs) in ((first, points), (second, points[::-1])):
                tally[team][0 if mine > theirs else 1] += 1
                tally[team][2] += mine
                tally[team][3] += theirs
        for row in s['teamTable']:
            record = RECORD.fullmatch(row[3])
            counts = [int(record.group(i)) for i in (1, 2, 4, 5)] if record else []
            team = row[1].removesuffix(' (기권)').removesuffix(' (결정)')
            if (counts != tally[team] or int(record.group(3)) != counts[2] - counts[3] or
                    int(row[2]) != counts[0] + counts[1]):
                fault(where, f'{s["id"]}: the row {row} of {team}, counted {tally[team]}')
    won, lost = (sum(int(row[i]) for row in page['records']) for i in (3, 4))
    order = [(-int(row[3]), int(row[4])) for row in page['records']]
    if won != sets_played or lost != sets_played or order != sorted(order):
        fault(where, f'the records count {won} won, {lost} lost of {sets_played} sets: {page["records"]}')
    check_record_races(where, page, name == 'team-races')


def check_record_races(where, page, races):
    """Each player's sets against each race: no more than the player's own,
    and between two players of known races counted once for each of them."""
    columns = [head.removesuffix('전') for head in page['recordHeads']]
    if races != bool(columns) or any(not whole for _, whole in page['recordRaces']):
        fault(where, f'the records show races {columns}, marks {page["recordRaces"]}')
    won, lost = collections.Counter(), collections.Counter()
    for row, (race, _) in zip(page['records'], page['recordRaces']):
        counts = [tuple(map(int, cell.split('-'))) if cell != '-' else (0, 0) for cell in row[5:]]
        if len(counts) != len(columns) or sum(w for w, _ in counts) > int(row[3]) or sum(l for _, l in counts) > int(row[4]):
            fault(where, f'the record {row} against each race')
        for column, (w, l) in zip(columns, counts):
            if race:
                won[race, column] += w
                lost[column, race] += l
    if +won != +lost:
        fault(where, f'the records against each race count {dict(won)} won, {dict(lost)} lost')


def print_pages(work, names):
    """Every page printed to PDF at once: its number of pages, its page sizes."""
    printing = [subprocess.Popen(CHROMIUM + [f'--user-data-dir={work}/profile-{name}', '--no-pdf-header-footer',
                                             f'--print-to-pdf={work}/{name}.pdf', (work / f'{name}.html').as_uri()],
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL) for name in names]
    for process in printing:
        process.wait(timeout=120)
    for name in names:
        data = (work / f'{name}.pdf').read_bytes()
        sizes = set(re.findall(rb'/MediaBox\s*\[0 0 (\d+)\.?\d* (\d+)', data))
        yield name, len(re.findall(rb'/Type\s*/Page(?!s)', data)), sizes


def main():
    with tempfile.TemporaryDirectory() as tmp:
        work = pathlib.Path(sys.argv[2] if len(sys.argv) > 2 else tmp)
        work.mkdir(exist_ok=True)
        texts, frames = {}, []
        for name in CASES:
            title = CASES[name][4]
            html = work / f'{name}.html'
            html.write_bytes(run_cli(work, name, ['--format', 'html'] + (['--title', title] if title else [])))
            texts[name] = text_lines(run_cli(work, name, []).decode('cp949'))
        for name, (page, text, _, _) in MADE.items():
            (work / f'{name}.html').write_bytes((DATA / page).read_bytes())
            texts[name] = text_lines((DATA / text).read_bytes().decode())
        for name, (page, *_) in TEAMS.items():
            (work / f'{name}.html').write_bytes((DATA / page).read_bytes())
        pages = {**{name: case[5] for name, case in CASES.items()}, **{name: made[3] for name, made in MADE.items()},
                 **{name: team[4] for name, team in TEAMS.items()}}
        for name in pages:
            tidy = subprocess.run(['tidy', '-q', '-e', work / f'{name}.html'], capture_output=True, text=True)
            if tidy.returncode or tidy.stderr:
                fault(name, f'tidy: {tidy.stderr.strip()}')
            frames += [f'<iframe id="{name}@{w}" src="{name}.html" width="{w}" height="1200"></iframe>' for w in WIDTHS]
        probe = (HERE / 'probe.js').read_text()
        (work / 'frames.html').write_text('<!DOCTYPE html><meta charset="utf-8"><style>iframe{border:0}</style>' +
                                          ''.join(frames) + f'<pre id="found"></pre><script>{probe}</script>')
        dom = subprocess.run(CHROMIUM + [f'--user-data-dir={work}/profile', '--allow-file-access-from-files',
                                         '--hide-scrollbars',
                                         '--virtual-time-budget=10000', '--dump-dom', (work / 'frames.html').as_uri()],
                             capture_output=True, text=True, timeout=120).stdout
        found = re.search(r'<pre id="found">(.*)</pre>', dom, re.S)
        if not found or not found.group(1):
            sys.exit('check_pages: the browser reported nothing')
        for page in json.loads(found.group(1).replace('&lt;', '<').replace('&gt;', '>').replace('&amp;', '&')):
            name, width = page['name'].split('@')
            (check_team(name, int(width), page) if name in TEAMS else check(name, int(width), page, texts[name]))
        for name, printed, sizes in print_pages(work, pages):
            if printed != pages[name] or sizes != {(b'594', b'841')}:
                fault(name, f'printed on {printed} pages of {sizes}, not {pages[name]} A4 pages')
    for line in faults:
        print('check_pages:', line)
    print(f'check_pages: {len(pages)} events, {len(faults)} faults')
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main())
