// Runs in the frame page that holds every event page: reads each page as the
// browser built it and prints what it found as JSON into <pre id="found">.
onload = () => {
  const rect = (e) => { const r = e.getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom]; };
  const cells = (rows) => [...rows].map((tr) => [...tr.cells].map((td) => td.textContent));
  const found = [...document.querySelectorAll('iframe')].map((frame) => {
    const doc = frame.contentDocument;
    const all = (selector, root = doc) => [...root.querySelectorAll(selector)];
    return {
      name: frame.id,
      title: doc.title,
      proof: (doc.querySelector('.proof') || {innerText: ''}).innerText,
      widths: [doc.documentElement.scrollWidth, frame.contentWindow.innerWidth],
      active: all('script, img, iframe, object, embed, link').length,
      sections: all('section.group').map((s) => ({
        id: s.id,
        // A member's name is the item's own text; a seeded draw's pot and tag follow it.
        members: all('.members li', s).map((li) => li.firstChild.textContent),
        marks: all('.members li', s).map((li) => all('.pot, .tag', li).map((m) => m.textContent)),
        replaced: all('.members .was', s).map((m) => m.textContent),
        schedule: cells(all('.schedule tbody tr', s)),
        wins: all('.schedule tbody tr', s).map((tr) => all('td.win', tr).map((td) => td.cellIndex)),
        table: cells(all('.standings tbody tr', s)),
        boxes: all('.match', s).map((b) => ({
          id: b.id, round: +b.dataset.round, rect: rect(b),
          no: b.querySelector('.no').textContent,
          map: (b.querySelector('.map') || {}).textContent || '', classes: b.className,
          sides: all('.side', b).map((d) => [d.querySelector('.who').textContent,
            (d.querySelector('.pts') || {}).textContent || '', d.classList.contains('win')]),
        })),
        arms: all('.arm', s).map((a) => ({ from: a.dataset.from, shape: a.classList[1], rect: rect(a),
          to: a.parentElement.parentElement.nextElementSibling.dataset.to })),
        stems: all('.stem', s).map((t) => ({ to: t.dataset.to, rect: rect(t) })),
        games: all('.games li.played', s).map((li) => [li.firstChild.textContent, li.querySelector('.gw').textContent,
          rect(li)[2] > rect(li)[0]]),
        dual: !!s.querySelector('.duel'),
        wires: all('.duel polyline', s).map((w) => w.getBoundingClientRect().width + w.getBoundingClientRect().height),
      })),
    };
  });
  document.getElementById('found').textContent = JSON.stringify(found);
};
