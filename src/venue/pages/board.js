'use strict';
// The scoreboard for a projector or a TV: the diver up next between dives, each judge's award,
// the points, the new total and place once the referee accepts, the standings after each round.
// It follows the event stream by itself; nothing to click.
const holdResult = 10000; // how long an accepted dive stays up before the next diver
const holdTable = 20000; // how long the standings stay up after a round

let feed = null;
let holding = false;
let timer = 0;

function text(id, value) {
  document.getElementById(id).textContent = value === null || value === undefined ? '' : String(value);
}

function showOnly(id) {
  for (const section of ['next', 'last', 'table']) document.getElementById(section).hidden = section !== id;
  document.getElementById('waiting').hidden = id !== '';
}

function showHeader() {
  text('event', feed.meet ? feed.meet + ': ' + (feed.event || '') : feed.event);
  const next = feed.next;
  text('round', next ? 'Round ' + next.round + ' of ' + next.rounds : 'Final standings');
}

function showDive(prefix, dive) {
  text(prefix + '-name', dive.name);
  text(prefix + '-number', dive.number);
  text(prefix + '-position', dive.position);
  text(prefix + '-height', dive.height);
  text(prefix + '-dd', dive.dd === null ? '' : dive.dd.toFixed(1));
}

function showNext() {
  holding = false;
  const next = feed.next;
  if (!next) return showTable('Final standings');
  showDive('next', next);
  text('next-team', next.team);
  text('next-place', next.place === null ? '-' : next.place);
  text('next-total', next.total.toFixed(2));
  showOnly('next');
}

function showLast(dive) {
  showDive('last', dive);
  const list = document.getElementById('last-awards');
  list.replaceChildren();
  dive.awards.forEach((award, seat) => {
    const item = document.createElement('li');
    item.textContent = award.toFixed(1);
    if (dive.cancelled[seat]) item.className = 'cancelled';
    list.appendChild(item);
  });
  text('last-decision', dive.decision);
  text('last-points', dive.points.toFixed(2));
  text('last-total', dive.total.toFixed(2));
  text('last-place', dive.place === null ? '-' : dive.place);
  showOnly('last');
}

function showTable(title) {
  text('table-title', title);
  const body = document.getElementById('table-rows');
  body.replaceChildren();
  for (const row of feed.current) {
    const line = document.createElement('tr');
    for (const value of [row.place === null ? '' : row.place, row.diver, row.team, row.total.toFixed(2)]) {
      const cell = document.createElement('td');
      cell.textContent = value === null ? '' : String(value);
      line.appendChild(cell);
    }
    body.appendChild(line);
  }
  showOnly('table');
}

function takeResults(results) {
  for (const key of Object.keys(results)) feed[key] = results[key];
}

const stream = new EventSource('/events');
stream.addEventListener('state', (event) => {
  feed = JSON.parse(event.data);
  showHeader();
  if (!holding) showNext();
});
stream.addEventListener('accepted', (event) => {
  if (!feed) return;
  const data = JSON.parse(event.data);
  const roundDone = data.results.rounds_complete > feed.rounds_complete;
  takeResults(data.results);
  feed.last = data.dive;
  showLast(data.dive);
  holding = true;
  clearTimeout(timer);
  timer = setTimeout(() => {
    if (!roundDone || !feed.next) return showNext();
    showTable('After round ' + feed.rounds_complete);
    timer = setTimeout(showNext, holdTable);
  }, holdResult);
});
stream.addEventListener('next', (event) => {
  if (!feed) return;
  feed.next = JSON.parse(event.data).next;
  showHeader();
  if (!holding) showNext();
});
for (const kind of ['correction', 'withdrawal']) {
  stream.addEventListener(kind, (event) => {
    if (!feed) return;
    takeResults(JSON.parse(event.data).results);
    if (!document.getElementById('table').hidden) showTable(document.getElementById('table-title').textContent);
  });
}
