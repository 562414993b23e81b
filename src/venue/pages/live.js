'use strict';
// The live results for phones: the standings now, each diver's dives (awards, points, running
// total) opened with a tap, the dive just accepted marked. Follows the event stream.
let feed = null;
const opened = new Set(); // the divers whose dives are shown, by name

function text(id, value) {
  document.getElementById(id).textContent = value === null || value === undefined ? '' : String(value);
}

function cell(tag, value, className) {
  const element = document.createElement(tag);
  element.textContent = value === null || value === undefined ? '' : String(value);
  if (className) element.className = className;
  return element;
}

function divesTable(row) {
  const table = document.createElement('table');
  table.className = 'dives';
  let running = row.carried || 0;
  for (const dive of row.dives) {
    running += dive.points;
    const line = document.createElement('tr');
    const last = feed.last;
    if (last && last.name === row.diver && last.round === dive.round) line.className = 'just';
    line.appendChild(cell('td', dive.round));
    line.appendChild(cell('td', dive.dive));
    line.appendChild(cell('td', dive.awards.map((award) => award.toFixed(1)).join(' '), 'awards'));
    line.appendChild(cell('td', dive.points.toFixed(2), 'points'));
    line.appendChild(cell('td', running.toFixed(2), 'points'));
    table.appendChild(line);
  }
  return table;
}

function showStandings() {
  text('event', feed.meet ? feed.meet + ': ' + (feed.event || '') : feed.event);
  text('book', feed.book);
  text('round', feed.next ? 'Round ' + feed.next.round + ' of ' + feed.next.rounds : 'Final');
  const list = document.getElementById('standings');
  list.replaceChildren();
  for (const row of feed.current) {
    const item = document.createElement('li');
    const button = document.createElement('button');
    button.type = 'button';
    button.className = 'diver';
    button.setAttribute('aria-expanded', opened.has(row.diver) ? 'true' : 'false');
    button.appendChild(cell('span', row.place === null ? '-' : row.place, 'place'));
    button.appendChild(cell('span', row.diver, 'name'));
    button.appendChild(cell('span', row.total.toFixed(2), 'total'));
    button.appendChild(cell('span', row.team, 'team'));
    button.addEventListener('click', () => {
      if (opened.has(row.diver)) opened.delete(row.diver);
      else opened.add(row.diver);
      showStandings();
    });
    item.appendChild(button);
    if (feed.last && feed.last.name === row.diver) item.className = 'just';
    if (opened.has(row.diver)) item.appendChild(divesTable(row));
    list.appendChild(item);
  }
}

const stream = new EventSource('/events');
stream.onopen = () => {
  text('online', 'Live');
  document.getElementById('online').className = 'online up';
};
stream.onerror = () => {
  text('online', 'No network');
  document.getElementById('online').className = 'online down';
};
stream.addEventListener('state', (event) => {
  feed = JSON.parse(event.data);
  showStandings();
});
for (const kind of ['accepted', 'correction', 'withdrawal', 'next']) {
  stream.addEventListener(kind, (event) => {
    if (!feed) return;
    const data = JSON.parse(event.data);
    if (data.results) for (const key of Object.keys(data.results)) feed[key] = data.results[key];
    if (data.dive) feed.last = data.dive;
    if ('next' in data) feed.next = data.next;
    showStandings();
  });
}
