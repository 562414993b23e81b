'use strict';
// The referee's screen: each seat's award as it comes in and those still awaited, the decisions,
// "Ask again" for one seat, "Go without" for an award that will not come, and Accept, which has
// the laptop record the dive.
let judged = null;
const stateWords = { awaited: 'Awaited', received: 'In', again: 'Asked again', missing: 'Gone without' };

const socket = new VenueSocket(pageKey(), {
  online(up) {
    show('online', up ? 'Connected' : 'No network');
    document.getElementById('online').className = 'online' + (up ? ' up' : ' down');
    if (!up) document.getElementById('accept').disabled = true;
  },
  message(message) {
    if (message.kind === 'state') showState(message);
    else if (message.kind === 'error') show('message', message.why);
    else if (message.kind === 'refused' || message.kind === 'taken-over') {
      show('online', message.why);
      document.getElementById('online').className = 'online down';
    }
  },
});

function requestButton(text, onClick) {
  const button = document.createElement('button');
  button.type = 'button';
  button.className = 'small';
  button.textContent = text;
  button.addEventListener('click', onClick);
  return button;
}

function seatRow(seat) {
  const row = document.createElement('tr');
  row.className = seat.state;
  const name = document.createElement('th');
  name.scope = 'row';
  name.textContent = seat.seat;
  name.title = seat.title;
  const award = document.createElement('td');
  award.className = 'award-cell';
  award.textContent = seat.state === 'received' ? awardText(seat.award) : stateWords[seat.state];
  if (seat.typed) award.textContent += ' (typed)';
  const device = document.createElement('td');
  device.textContent = seat.device ? 'Connected' : 'No device';
  device.className = seat.device ? 'up' : 'down';
  const cell = document.createElement('td');
  const requests = document.createElement('div');
  requests.className = 'requests';
  cell.append(requests);
  requests.append(requestButton('Ask ' + seat.seat + ' again', () => {
    socket.send({ kind: 'ask-again', seat: seat.seat });
  }));
  const without = seat.state === 'missing';
  requests.append(requestButton((without ? 'Wait for ' : 'Go without ') + seat.seat, () => {
    socket.send({ kind: 'go-without', seat: seat.seat, without: !without });
  }));
  row.append(name, award, device, cell);
  return row;
}

function decisionWords() {
  const words = [];
  if (document.getElementById('failed').checked) words.push('failed');
  if (document.getElementById('max2').checked) words.push('max2');
  if (document.getElementById('max45').checked) words.push('max4.5');
  if (document.getElementById('restart').checked) words.push('restart');
  if (document.getElementById('unsafe').checked) words.push('unsafe');
  return words.join('+');
}

function showDecision(words) {
  const has = words.split('+');
  document.getElementById('failed').checked = has.includes('failed');
  document.getElementById('max2').checked = has.includes('max2');
  document.getElementById('max45').checked = has.includes('max4.5');
  document.getElementById('restart').checked = has.includes('restart');
  document.getElementById('unsafe').checked = has.includes('unsafe');
}

function showState(state) {
  judged = state.dive;
  if (judged === null) {
    show('round', '');
    show('diver', 'Every dive is recorded');
    show('dive', '');
  } else {
    show('round', 'Round ' + judged.round + ' of ' + judged.rounds);
    show('diver', judged.name + (judged.team ? ' (' + judged.team + ')' : ''));
    show('dive', diveLine(judged));
  }
  document.getElementById('seats').replaceChildren(...state.seats.map(seatRow));
  showDecision(state.decision);
  const ready = judged !== null && state.seats.every((s) => s.state === 'received' || s.state === 'missing');
  document.getElementById('accept').disabled = !ready;
  const awaited = state.seats.filter((s) => s.state === 'awaited' || s.state === 'again').length;
  show('message', judged === null ? '' : ready ? 'Every award is in.' : awaited + ' awaited.');
  showShown(state.shown, { decision: true });
}

for (const id of ['failed', 'max2', 'max45', 'restart', 'unsafe']) {
  document.getElementById(id).addEventListener('change', () => {
    // One cap at a time.
    if (id === 'max2' && document.getElementById('max2').checked) document.getElementById('max45').checked = false;
    if (id === 'max45' && document.getElementById('max45').checked) document.getElementById('max2').checked = false;
    if (judged !== null)
      socket.send({ kind: 'decide', dive: { diver: judged.diver, round: judged.round }, decision: decisionWords() });
  });
}
document.getElementById('accept').addEventListener('click', () => {
  if (judged === null) return;
  document.getElementById('accept').disabled = true;
  socket.send({ kind: 'accept', dive: { diver: judged.diver, round: judged.round } });
});
