// Runs in the frame page that holds every event page: reads each page as the
// browser built it and prints what it found as JSON into <pre id="found">.
onload = () => {
  const rect = (e) => { const r = e.getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom]; };
  // A name's text without the race mark after it, as the text output writes it.
  const named = (e) => {
    if (!e.querySelector('.race')) return e.textContent;
    const copy = e.cloneNode(true);
    copy.querySelectorAll('.race').forEach((mark) => mark.remove());
    return copy.textContent;
  };
  const cells = (rows) => [...rows].map((tr) => [...tr.cells].map(named));
  const found = [...document.querySelectorAll('iframe')].map((frame) => {
    const doc = frame.contentDocument;
    const all = (selector, root = doc) => [...root.querySelectorAll(selector)];
    return {
      name: frame.id,
      title: doc.title,
      proof: (doc.querySelector('.proof') || {innerText: ''}).innerText,
      raceCounts: (doc.querySelector('.facts .races') || {}).textContent || '',
      mapRaces: cells(all('.mapraces tbody tr, .mapraces tfoot tr')),
      against: all('.final th.vs').map((th) => th.textContent),
      // Tables that must fit without scrolling sideways: the final standings, the maps' races.
      wide: all('.final .scroll, .map-races .scroll').filter((e) => e.scrollWidth > e.clientWidth + 1).length,
      widths: [doc.documentElement.scrollWidth, frame.contentWindow.innerWidth],
      // A team league's tables, which must fit without scrolling sideways too.
      teamWide: all('.teamsets, .standings.teams, .records').map((t) => t.parentElement)
        .filter((e) => e.scrollWidth > e.clientWidth + 1).length,
      records: cells(all('.records tbody tr')),
      // With races: the records' columns, and each player's mark and whether it shows whole inside its cell.
      recordHeads: all('.records th.vs').map((th) => th.textContent),
      recordRaces: all('.records tbody tr').map((tr) => {
        const mark = tr.querySelector('.race');
        if (!mark) return ['', true];
        const [left, top, right, bottom] = rect(mark), cell = rect(mark.closest('td'));
        return [mark.textContent, right - left > 4 && left >= cell[0] - 0.5 && right <= cell[2] + 0.5 &&
          top >= cell[1] - 0.5 && bottom <= cell[3] + 0.5];
      }),
      active: all('script, img, iframe, object, embed, link').length,
      sections: all('section.group:not(.map-races):not(.records)').map((s) => ({
        id: s.id,
        // A member's name is the item's own text; a seeded draw's pot and tag follow it.
        members: all('.members li', s).map((li) => li.firstChild.textContent),
        // Each race mark: its letter, the name it follows and whether it shows whole inside its cell.
        races: all('.race', s).map((r) => {
          const [left, top, right, bottom] = rect(r);
          const cell = rect(r.closest('td, li, .side, .place'));
          return [r.textContent, named(r.parentElement), right - left > 4 && bottom - top > 4 &&
            left >= cell[0] - 0.5 && right <= cell[2] + 0.5 && top >= cell[1] - 0.5 && bottom <= cell[3] + 0.5];
        }),
        raceCounts: (s.querySelector('p.races') || {}).textContent || '',
        marks: all('.members li', s).map((li) => all('.pot, .tag', li).map((m) => m.textContent)),
        replaced: all('.members .was', s).map((m) => m.textContent),
        schedule: cells(all('.schedule tbody tr', s)),
        wins: all('.schedule tbody tr', s).map((tr) => all('td.win', tr).map((td) => td.cellIndex)),
        table: cells(all('.standings tbody tr', s)),
        boxes: all('.match', s).map((b) => ({
          id: b.id, round: +b.dataset.round, rect: rect(b),
          no: b.querySelector('.no').textContent,
          map: (b.querySelector('.map') || {}).textContent || '', classes: b.className,
          sides: all('.side', b).map((d) => [named(d.querySelector('.who')),
            (d.querySelector('.pts') || {}).textContent || '', d.classList.contains('win')]),
        })),
        arms: all('.arm', s).map((a) => ({ from: a.dataset.from, shape: a.classList[1], rect: rect(a),
          to: a.parentElement.parentElement.nextElementSibling.dataset.to })),
        stems: all('.stem', s).map((t) => ({ to: t.dataset.to, rect: rect(t) })),
        games: all('.games li.played', s).map((li) => [li.firstChild.textContent, li.querySelector('.gw').textContent,
          rect(li)[2] > rect(li)[0]]),
        // A team league's: each team match's row, its sets and all-kills; the team table.
        teamMatches: all('tbody.tm', s).map((tb) => ({
          match: [...tb.querySelector('tr.tm').cells].map(named),
          wins: all('tr.tm td.win', tb).map((td) => td.cellIndex),
          sets: all('tr.set', tb).map((tr) => ({ cells: [...tr.cells].map((td) => td.textContent),
            wins: all('td.win', tr).map((td) => td.cellIndex), ace: !!tr.querySelector('.ace'),
            played: tr.classList.contains('played') })),
          allKills: all('tr.allkill', tb).map((tr) => [tr.querySelector('.ak').textContent,
            tr.cells[1].childNodes[1].textContent, tr.querySelector('.note').textContent]),
        })),
        teamTable: cells(all('.standings.teams tbody tr', s)),
        dual: !!s.querySelector('.duel'),
        wires: all('.duel polyline', s).map((w) => w.getBoundingClientRect().width + w.getBoundingClientRect().height),
      })),
    };
  });
  document.getElementById('found').textContent = JSON.stringify(found);
};
