'use strict';
// The page where a judge types the key from the card: it opens the pad with it (the pad goes on
// to the referee's screen where the key is the referee's).
document.getElementById('open').addEventListener('submit', (event) => {
  event.preventDefault();
  const key = document.getElementById('key').value.replace(/[\s-]/g, '').toLowerCase();
  if (key !== '') location.assign('/pad#' + key);
});
