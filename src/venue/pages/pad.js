'use strict';
// A judge's pad: the dive up next, the award keyed and sent, "Received" once the laptop has it.
// An award not yet received goes again by itself whenever the connection comes back; sending
// again before the referee accepts replaces it. After acceptance every judge's award of the
// dive is shown, in seating order.
const pad = {
  seat: '',
  dive: null,    // the dive being judged, as the server last said
  points: null,  // the whole points keyed
  half: false,
  pending: null, // {dive: {diver, round}, award} sent, not yet received
  state: null,   // this seat's award as the server holds it
};

function keyedAward() {
  if (pad.points === null) return null;
  return pad.points + (pad.half && pad.points < 10 ? 0.5 : 0);
}

function sameDive(a, b) {
  return a !== null && b !== null && a.diver === b.diver && a.round === b.round;
}

function showKeyed() {
  const award = keyedAward();
  show('award', award === null ? '–' : awardText(award));
  document.getElementById('half').setAttribute('aria-pressed', String(pad.half));
  document.getElementById('send').disabled = award === null || pad.dive === null;
}

function showDelivery() {
  let text = '';
  if (pad.state && pad.state.state === 'again') text = 'The referee asks you to send your award again.';
  else if (pad.state && pad.state.state === 'missing') text = 'The referee goes on without your award.';
  else if (pad.pending && !socket.isOpen()) text = 'Not sent yet: it goes when the network is back.';
  else if (pad.pending) text = 'Sending ' + awardText(pad.pending.award) + '…';
  else if (pad.state && pad.state.state === 'received') text = 'Received: ' + awardText(pad.state.award);
  show('delivery', text);
  document.getElementById('delivery').className =
    'delivery ' + (pad.state ? pad.state.state : '') + (pad.pending ? ' pending' : '');
}

function sendPending() {
  if (pad.pending) socket.send({ kind: 'award', dive: pad.pending.dive, award: pad.pending.award });
}

function showState(state) {
  pad.seat = state.seat;
  show('seat', state.title);
  if (!sameDive(pad.dive, state.dive)) {
    // A new dive: the keys start afresh.
    pad.points = null;
    pad.half = false;
  }
  pad.dive = state.dive;
  pad.state = state.award;
  if (pad.pending && !sameDive(pad.pending.dive, state.dive)) pad.pending = null;
  if (pad.pending && state.award.state === 'received' && state.award.award === pad.pending.award)
    pad.pending = null;
  if (pad.pending && state.award.state === 'again') pad.pending = null;
  if (state.dive === null) {
    show('round', '');
    show('diver', 'Every dive is recorded');
    show('dive', '');
  } else {
    show('round', 'Round ' + state.dive.round + ' of ' + state.dive.rounds);
    show('diver', state.dive.name + (state.dive.team ? ' (' + state.dive.team + ')' : ''));
    show('dive', diveLine(state.dive));
  }
  showShown(state.shown, { mine: pad.seat });
  showKeyed();
  showDelivery();
}

const socket = new VenueSocket(pageKey(), {
  online(up) {
    show('online', up ? 'Connected' : 'No network');
    document.getElementById('online').className = 'online' + (up ? ' up' : ' down');
    if (!up) showDelivery();
  },
  message(message) {
    if (message.kind === 'welcome' && message.role === 'referee') {
      location.assign('/referee#' + socket.key);
    } else if (message.kind === 'state') {
      showState(message);
      // Back after a dropped connection, or the laptop lost it: it goes again.
      sendPending();
    } else if (message.kind === 'refused' || message.kind === 'taken-over') {
      show('online', message.why);
      document.getElementById('online').className = 'online down';
      document.getElementById('send').disabled = true;
    } else if (message.kind === 'error') {
      show('delivery', message.why);
    }
  },
});

for (const key of document.querySelectorAll('.key[data-points]')) {
  key.addEventListener('click', () => {
    pad.points = Number(key.dataset.points);
    if (pad.points === 10) pad.half = false;
    showKeyed();
  });
}
document.getElementById('half').addEventListener('click', () => {
  pad.half = !pad.half;
  if (pad.points === 10) pad.half = false;
  showKeyed();
});
document.getElementById('send').addEventListener('click', () => {
  const award = keyedAward();
  if (award === null || pad.dive === null) return;
  pad.pending = { dive: { diver: pad.dive.diver, round: pad.dive.round }, award };
  sendPending();
  showDelivery();
});
// The keyboard too: digits, "." or "h" for the half, Enter sends.
document.addEventListener('keydown', (event) => {
  if (event.key >= '0' && event.key <= '9') {
    pad.points = pad.points === 1 && event.key === '0' ? 10 : Number(event.key);
    pad.half = false;
  } else if (event.key === '.' || event.key === ',' || event.key === 'h' || event.key === '½') {
    pad.half = pad.points !== 10 && !pad.half;
  } else if (event.key === 'Enter' && !document.getElementById('send').disabled) {
    document.getElementById('send').click();
    return;
  } else {
    return;
  }
  event.preventDefault();
  showKeyed();
});
showKeyed();
