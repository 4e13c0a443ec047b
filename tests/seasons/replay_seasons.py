#!/usr/bin/env python3
"""Replays real league seasons through rosterloom-cli and checks them against the record.

Each stage is placed by hand as it was decided, every game is entered with its winner and the map
it was played on, a replacement before play is made, a tie is settled as the league settled it and
the playoff is paired as it was. The places of every group and the final placing must come out as
the record states them, every game of the record must be counted, and the text of each replay is
compared with its golden file (ROSTERLOOM_UPDATE_GOLDEN=1 rewrites them). Each is then entered
again with its players' races: its text is the same with each map's record by race after it, and
every map's matchup records are those its recorded games give.

usage: replay_seasons.py CLI SEASONS_JSON GOLDEN_DIR
"""
import json
import os
import subprocess
import sys
import tempfile


def run_cli(cli, args):
    done = subprocess.run([cli] + args, capture_output=True)
    if done.returncode != 0:
        sys.exit("rosterloom-cli %s\nexit %d: %s" % (" ".join(args), done.returncode,
                                                     done.stderr.decode("utf-8", "replace")))
    return done.stdout.decode("utf-8")


def playoff_lengths(rounds):
    """The playoff's lengths, first round first, as --playoff-best-of takes them."""
    return ",".join(str(r["best_of"]) for r in rounds if "third" not in r["round"].lower())


def replays(seasons):
    """Every event to replay: a season's group stage with its playoff, or a stage of its own."""
    for season in seasons:
        stages = season["stages"]
        for index, stage in enumerate(stages):
            last = index == len(stages) - 1
            yield {
                "name": season["id"] + ("" if len(stages) == 1 else "-" + stage["stage"]),
                "season": season,
                "stage": stage,
                "playoff": season["playoffs"] if last else None,
            }


class Replay:
    def __init__(self, cli, event, work, races=False):
        self.cli = cli
        self.event = event
        self.work = work
        self.stage = event["stage"]
        self.groups = self.stage["groups"]
        self.dual = self.stage["kind"] == "dual"
        # A player replaced before play has no race: he plays no game.
        self.races = races_of(self.groups) if races else None
        self.lines = []
        self.placed = self.placement()

    def path(self, name):
        return os.path.join(self.work, self.event["name"] + "." + name)

    def write(self, name, lines):
        with open(self.path(name), "w", encoding="utf-8") as out:
            out.write("".join(line + "\n" for line in lines))
        return self.path(name)

    def placement(self):
        """The groups as decided; a replaced player stands in the place he was drawn to."""
        lines = []
        for group in self.groups:
            if self.dual:
                order = [name for pair in group["openings"] for name in pair]
            else:
                order = [p["id"] for p in group["players"]]
            swap = group.get("replacement")
            if swap:
                order = [swap["out"] if name == swap["in"] else name for name in order]
                self.lines.insert(0, "교체 %s %s" % (swap["out"], swap["in"]) + self.race_column(swap["in"]))
            lines += ["%s\t%s" % (group["letter"], name) + self.race_column(name) for name in order]
        return lines

    def race_column(self, name):
        return "" if self.races is None else "\t" + self.races.get(name, "")

    def options(self, with_playoff=True):
        season = self.event["season"]
        maps = season["format"]["map_pool"]
        group_length = self.groups[0]["matches"][0]["best_of"]
        args = ["--groups", str(len(self.groups)), "--size", "4", "--seed", "1",
                "--maps", self.write("maps.txt", maps), "--best-of", str(group_length),
                "--placement", self.write("placement.txt", self.placed)]
        if self.dual:
            args.append("--dual")
        if self.races is not None:
            args.append("--races")
        playoff = self.event["playoff"] if with_playoff else None
        if playoff:
            rounds = playoff["rounds"]
            args += ["--playoff", "2", "--playoff-best-of", playoff_lengths(rounds)]
            if any("third" in r["round"].lower() for r in rounds):
                args.append("--third-place")
        return args

    def state(self, extra=(), with_playoff=True):
        args = self.options(with_playoff) + list(extra) + ["--format", "json",
                                               "--results", self.write("results.txt", self.lines)]
        return json.loads(run_cli(self.cli, args))

    def game_lines(self, prefix, number, match):
        return ["%s %d 세트 %d %s @ %s" % (prefix, number, game["game"], game["winner"], game["map"])
                for game in match["games"]]

    def enter_groups(self):
        drawn = {g["group"]: g for g in self.state(with_playoff=False)["groups"]}
        for group in self.groups:
            letter = group["letter"]
            numbers = {frozenset((m["first"], m["second"])): m["number"]
                       for m in drawn[letter]["matches"] if not m["bye"]}
            for match in group["matches"]:
                # Knock-out groups are placed so that their numbers are the league's own.
                number = match["match"] if self.dual else numbers[frozenset((match["player1"],
                                                                             match["player2"]))]
                self.lines += self.game_lines(letter, number, match)
            if "tiebreak" in group:
                wins = [row["wins"] for row in group["table"]]
                level = {row["player"] for row in group["table"] if wins.count(row["wins"]) > 1}
                tied = [name for name in group["places"] if name in level]
                self.lines += ["%s 결정 %s" % (letter, name) for name in tied]

    def pairs(self):
        """The first round as it was played, each pair as seats of the groups' places."""
        seats = {p["name"]: "%s%d" % (p["group"], p["place"])
                 for p in self.state()["playoff"]["players"]}
        first = self.event["playoff"]["rounds"][0]["series"]
        pairs = []
        for series in sorted(first, key=lambda s: s["slot"]):
            pair = sorted((seats[series["player1"]], seats[series["player2"]]),
                          key=lambda seat: (seat[1:], seat[0]))
            pairs.append("-".join(pair))
        return ",".join(pairs)

    def enter_playoff(self, pairs):
        for played in self.event["playoff"]["rounds"]:
            matches = self.state(["--playoff-pairs", pairs])["playoff"]["matches"]
            for series in played["series"]:
                players = frozenset((series["player1"], series["player2"]))
                number = next(m["number"] for m in matches
                              if frozenset((m["first"], m["second"])) == players)
                self.lines += self.game_lines("P", number, series)

    def run(self):
        self.enter_groups()
        extra = []
        if self.event["playoff"]:
            extra = ["--playoff-pairs", self.pairs()]
            self.enter_playoff(extra[1])
        return self.finish(extra)

    def finish(self, extra):
        final = self.state(extra)
        text = run_cli(self.cli, self.options() + extra + [
            "--utf8", "--results", self.write("results.txt", self.lines)])
        return final, text, extra

    def again_with_races(self, extra):
        """The same results for the same players, each with his race."""
        raced = Replay(self.cli, self.event, self.work, races=True)
        raced.lines += [line for line in self.lines if not line.startswith("교체 ")]
        final, text, _ = raced.finish(extra)
        return raced, final, text


def races_of(groups):
    return {p["id"]: p["race"] for group in groups for p in group["players"]}


def check_places(replay, final):
    problems = []
    tables = {g["group"]: [row["name"] for row in g["standings"]] for g in final["groups"]}
    for group in replay.groups:
        table = tables[group["letter"]]
        if group.get("places") and table != group["places"]:
            problems.append("group %s: %s, the record %s" % (group["letter"], table, group["places"]))
        if group.get("advanced") and set(table[:2]) != set(group["advanced"]):
            problems.append("group %s advanced %s, the record %s" % (group["letter"], table[:2],
                                                                     group["advanced"]))
    return problems


def check_final(replay, final):
    if not replay.event["playoff"]:
        return []
    ranks = {row["name"]: row["rank"] for row in final["finalStandings"]}
    problems = []
    for places, names in replay.event["season"]["final_placing"].items():
        if not places[0].isdigit():
            continue
        low, _, high = places.partition("-")
        for name in names if isinstance(names, list) else [names]:
            if not int(low) <= ranks.get(name, 0) <= int(high or low):
                problems.append("%s is %s, the record %s" % (name, ranks.get(name), places))
    return problems


def recorded_games(replay):
    """Every game of the record: its winner, his opponent and its map."""
    matches = [match for group in replay.groups for match in group["matches"]]
    if replay.event["playoff"]:
        matches += [series for played in replay.event["playoff"]["rounds"] for series in played["series"]]
    for match in matches:
        for game in match["games"]:
            players = (match["player1"], match["player2"])
            yield game["winner"], players[game["winner"] == players[0]], game["map"]


def check_games(replay, final):
    """Every game of the record is counted once, on the map it was played on."""
    recorded = [(winner, played_on) for winner, _, played_on in recorded_games(replay)]
    matches = [m for g in final["groups"] for m in g["matches"]]
    matches += final.get("playoff", {}).get("matches", [])
    counted = [(game["winner"], game["map"]) for m in matches for game in m.get("games", [])]
    if sorted(counted) != sorted(recorded):
        return ["%d games counted, the record has %d" % (len(counted), len(recorded))]
    return []


RACE_ORDER = "TZPR"
MATCHUP_ORDER = ["TvZ", "TvP", "ZvP", "TvR", "ZvR", "PvR", "TvT", "ZvZ", "PvP", "RvR"]


def check_races(raced, final, text, plain_text):
    """Each map's record by matchup, counted here from the record's games and races."""
    maps = raced.event["season"]["format"]["map_pool"]
    expected = [{"map": name, "games": 0, "matchups": {}} for name in maps]
    for winner, loser, played_on in recorded_games(raced):
        entry = expected[maps.index(played_on)]
        entry["games"] += 1
        first, second = sorted((raced.races[winner], raced.races[loser]), key=RACE_ORDER.index)
        entry["matchups"].setdefault(first + "v" + second, {first: 0, second: 0})[raced.races[winner]] += 1
    problems = []
    for found, wanted in zip(final.get("mapStats", []), expected):
        if found != wanted:
            problems.append("map %s: %s, the record %s" % (wanted["map"], found, wanted))
        if list(found["matchups"]) != sorted(found["matchups"], key=MATCHUP_ORDER.index):
            problems.append("map %s: the matchups in the order %s" % (wanted["map"], list(found["matchups"])))
    if len(final.get("mapStats", [])) != len(expected):
        problems.append("%d maps counted, the list has %d" % (len(final.get("mapStats", [])), len(expected)))
    if not text.startswith(plain_text) or "< 맵별 종족 전적 >" not in text[len(plain_text):]:
        problems.append("with races the text is not the same text with the maps' records after it")
    return problems


def main():
    cli, seasons_path, golden_dir = sys.argv[1:4]
    with open(seasons_path, encoding="utf-8") as data:
        seasons = json.load(data)["seasons"]
    update = os.environ.get("ROSTERLOOM_UPDATE_GOLDEN") == "1"
    failed = False
    with tempfile.TemporaryDirectory() as work:
        for event in replays(seasons):
            replay = Replay(cli, event, work)
            final, text, extra = replay.run()
            problems = check_places(replay, final) + check_final(replay, final) + check_games(
                replay, final)
            raced, raced_final, raced_text = replay.again_with_races(extra)
            problems += check_races(raced, raced_final, raced_text, text)
            golden = os.path.join(golden_dir, event["name"] + ".txt")
            if update:
                with open(golden, "w", encoding="utf-8", newline="") as out:
                    out.write(text)
            with open(golden, encoding="utf-8", newline="") as expected:
                if expected.read() != text:
                    problems.append("the text differs from " + golden)
            for problem in problems:
                print("%s: %s" % (event["name"], problem))
            failed = failed or bool(problems)
            print("%s: %d result lines replayed" % (event["name"], len(replay.lines)))
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
