'use strict';
// The connection of a pad or the referee's screen to the venue's server. The key comes with the
// page's address (after #); it is kept for this tab alone and taken out of the address bar. The
// socket says hello with the key, comes back by itself after the network dropped, and says it is
// still there every 20 seconds, since the server drops a device that is silent for a minute.
function pageKey() {
  const fromAddress = location.hash.replace(/^#/, '').replace(/[\s-]/g, '').toLowerCase();
  if (fromAddress !== '') {
    sessionStorage.setItem('merrith-key', fromAddress);
    history.replaceState(null, '', location.pathname);
  }
  return sessionStorage.getItem('merrith-key') || '';
}

class VenueSocket {
  constructor(key, handlers) {
    this.key = key;
    this.handlers = handlers;
    this.socket = null;
    this.retry = 500;
    this.stopped = false;
    setInterval(() => this.send({ kind: 'ping' }), 20000);
    this.open();
  }

  open() {
    const scheme = location.protocol === 'https:' ? 'wss://' : 'ws://';
    const socket = new WebSocket(scheme + location.host + '/ws');
    this.socket = socket;
    socket.addEventListener('open', () => {
      this.retry = 500;
      socket.send(JSON.stringify({ kind: 'hello', key: this.key }));
    });
    socket.addEventListener('message', (event) => {
      let message;
      try {
        message = JSON.parse(event.data);
      } catch (e) {
        return;
      }
      if (message.kind === 'refused' || message.kind === 'taken-over') this.stopped = true;
      if (message.kind === 'welcome') this.handlers.online(true);
      this.handlers.message(message);
    });
    socket.addEventListener('close', () => {
      if (this.socket !== socket) return;
      this.handlers.online(false);
      if (this.stopped) return;
      setTimeout(() => this.open(), this.retry);
      this.retry = Math.min(this.retry * 2, 4000);
    });
  }

  // Whether the connection is open now.
  isOpen() {
    return this.socket !== null && this.socket.readyState === WebSocket.OPEN;
  }

  // Sends a message where the connection is open; false where it is not.
  send(message) {
    if (!this.socket || this.socket.readyState !== WebSocket.OPEN) return false;
    this.socket.send(JSON.stringify(message));
    return true;
  }
}

// Shows text in the element of the id, as text.
function show(id, text) {
  document.getElementById(id).textContent = text;
}

// An award in points as the judges write it: 7.5 as "7½", 7 as "7".
function awardText(award) {
  if (award === null || award === undefined) return '–';
  const whole = Math.floor(award);
  return award > whole ? (whole === 0 ? '½' : whole + '½') : String(whole);
}

// The dive in words: "105B · pike · 3m · DD 2.4".
function diveLine(dive) {
  const parts = [dive.code];
  if (dive.position) parts.push(dive.position.toLowerCase());
  if (dive.height) parts.push(dive.height);
  if (dive.dd) parts.push('DD ' + dive.dd);
  return parts.join(' · ');
}

// The dive accepted last and each seat's award in seating order: the seat called mine is
// marked, and the referee's decision follows the dive where asked for.
function showShown(shown, { mine = null, decision = false } = {}) {
  const section = document.getElementById('shown');
  section.hidden = shown === null;
  if (shown === null) return;
  const said = decision && shown.decision ? ' · ' + shown.decision : '';
  show('shown-dive', shown.name + ' · ' + diveLine(shown) + said);
  const list = document.getElementById('shown-awards');
  list.replaceChildren();
  for (const entry of shown.awards) {
    const item = document.createElement('li');
    const seat = document.createElement('span');
    seat.className = 'who';
    seat.textContent = entry.seat;
    const award = document.createElement('span');
    award.className = 'what';
    award.textContent = awardText(entry.award);
    item.append(seat, award);
    if (entry.seat === mine) item.className = 'mine';
    list.append(item);
  }
}
