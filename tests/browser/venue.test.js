// A round keyed on five judges' pads (phones of 390 x 844) and accepted on the referee's screen,
// against merrith-cli serve on 127.0.0.1: the competition file and merrith-cli results show it,
// the scoreboard (1920 x 1080) each dive's awards, points and place, the live results on a phone
// (390 x 844) the new standings within a second.
const { test, expect } = require('@playwright/test');
const { spawn, execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const readline = require('node:readline');

const cli = process.env.MERRITH_CLI || path.join(__dirname, '../../build/ci/app/merrith-cli');
const shots = process.env.MERRITH_SCREENSHOTS || '';

const meet = [
  'Event: women-3m',
  'Panel: 5',
  '',
  'Diver: Ann Example',
  'Team: Riverside',
  '105B',
  '203C',
  '5132D',
  '401B',
  '305C',
  'Diver: Zoë Åström',
  'Team: North Bay',
  '107C',
  '205B',
  '5233D',
  '403C',
  '301B',
  '',
].join('\n');

let server;
let folder;
let listening;

test.beforeAll(async () => {
  folder = fs.mkdtempSync(path.join(os.tmpdir(), 'merrith-browser-'));
  fs.writeFileSync(path.join(folder, 'meet.txt'), meet);
  server = spawn(cli, ['serve', '--address', '127.0.0.1', '--port', '0', 'meet.txt'], {
    cwd: folder,
    stdio: ['ignore', 'pipe', 'inherit'],
  });
  const lines = readline.createInterface({ input: server.stdout });
  listening = JSON.parse(await new Promise((resolve) => lines.once('line', resolve)));
});

test.afterAll(async () => {
  if (server && server.exitCode === null) server.kill('SIGTERM');
  fs.rmSync(folder, { recursive: true, force: true });
});

async function keyAward(pad, points) {
  const whole = Math.floor(points);
  await pad.getByRole('button', { name: String(whole), exact: true }).click();
  if (points > whole) await pad.getByRole('button', { name: '½', exact: true }).click();
  await pad.getByRole('button', { name: 'Send', exact: true }).click();
}

test('a round keyed on five pads and accepted by the referee is in the file and the results', async ({ browser }) => {
  expect(listening.seats.map((s) => s.seat)).toEqual(['J1', 'J2', 'J3', 'J4', 'J5']);
  const referee = await (await browser.newContext({ viewport: { width: 1024, height: 768 } })).newPage();
  await referee.goto(listening.referee);
  await expect(referee.locator('#diver')).toHaveText('Ann Example (Riverside)');
  // The key leaves the address bar once read.
  expect(referee.url()).not.toContain('#');

  const board = await (await browser.newContext({ viewport: { width: 1920, height: 1080 } })).newPage();
  await board.goto(listening.board);
  await expect(board.locator('#next-name')).toHaveText('Ann Example');
  await expect(board.locator('#next-position')).toHaveText('Pike');
  const live = await (await browser.newContext({ viewport: { width: 390, height: 844 }, hasTouch: true })).newPage();
  await live.goto(listening.live);
  await expect(live.locator('#standings .name')).toHaveText(['Ann Example', 'Zoë Åström']);

  const pads = [];
  for (const seat of listening.seats) {
    const context = await browser.newContext({ viewport: { width: 390, height: 844 }, hasTouch: true });
    const pad = await context.newPage();
    await pad.goto(seat.url);
    await expect(pad.locator('#seat')).toHaveText('Judge ' + seat.seat.slice(1));
    await expect(pad.locator('#diver')).toHaveText('Ann Example (Riverside)');
    await expect(pad.locator('#dive')).toHaveText('105B · pike · 3m · DD 2.4');
    pads.push(pad);
  }

  const round = [
    [6.5, 7, 7, 6.5, 7.5],
    [8, 7.5, 8, 8.5, 8],
  ];
  for (const [dive, awards] of round.entries()) {
    for (const [seat, pad] of pads.entries()) {
      await keyAward(pad, awards[seat]);
      await expect(pad.locator('#delivery')).toHaveText('Received: ' + String(awards[seat]).replace('.5', '½'));
    }
    // A judge who keyed wrong sends again before acceptance: the new award replaces the first.
    if (dive === 0) {
      await keyAward(pads[2], 6);
      await expect(pads[2].locator('#delivery')).toHaveText('Received: 6');
      awards[2] = 6;
    }
    await expect(referee.getByRole('button', { name: 'Accept' })).toBeEnabled();
    await expect(referee.locator('#seats tr').nth(2).locator('.award-cell')).toHaveText(dive === 0 ? '6' : '8');
    if (dive === 0 && shots) await referee.screenshot({ path: path.join(shots, 'venue-referee.png') });
    await referee.getByRole('button', { name: 'Accept' }).click();
    // 105B at 3 m (DD 2.4): 6.5 + 7 + 6.5 kept; 107C (DD 2.8): 8 + 8 + 8 kept.
    const scored = [
      { points: '48.00', place: '1' },
      { points: '67.20', place: '1' },
    ][dive];
    await expect(board.locator('#last-awards li')).toHaveText(awards.map((a) => a.toFixed(1)));
    await expect(board.locator('#last-awards li.cancelled')).toHaveCount(2);
    await expect(board.locator('#last-points')).toHaveText(scored.points);
    await expect(board.locator('#last-place')).toHaveText(scored.place);
    await expect(live.locator('#standings > li.just .name')).toHaveText(dive === 0 ? 'Ann Example' : 'Zoë Åström', { timeout: 1000 });
    for (const pad of pads) {
      await expect(pad.locator('#shown-awards li')).toHaveCount(5);
      await expect(pad.locator('#shown-awards li').nth(4)).toContainText('J5');
    }
    await expect(pads[0].locator('#shown-awards .what')).toHaveText(
      awards.map((a) => String(a).replace('.5', '½')));
  }
  await expect(pads[0].locator('#diver')).toHaveText('Ann Example (Riverside)');
  await expect(pads[0].locator('#round')).toHaveText('Round 2 of 5');
  await expect(live.locator('#standings .name')).toHaveText(['Zoë Åström', 'Ann Example'], { timeout: 1000 });
  await live.locator('#standings .diver').first().click();
  await expect(live.locator('.dives tr.just td').nth(1)).toHaveText('107C');
  if (shots) {
    await board.screenshot({ path: path.join(shots, 'board.png') });
    await live.screenshot({ path: path.join(shots, 'live.png') });
    await keyAward(pads[0], 7);
    await expect(pads[0].locator('#delivery')).toHaveText('Received: 7');
    await pads[0].screenshot({ path: path.join(shots, 'venue-pad.png') });
  }

  const file = fs.readFileSync(path.join(folder, 'meet.txt'), 'utf8');
  expect(file).toContain('Round 1 | Ann Example | 105B | 6.5 7.0 6.0 6.5 7.5\n');
  expect(file).toContain('Round 1 | Zoë Åström | 107C | 8.0 7.5 8.0 8.5 8.0\n');
  const results = JSON.parse(execFileSync(cli, ['results', '--json', 'meet.txt'], { cwd: folder }));
  expect(results.rounds_complete).toBe(1);
  expect(results.standings.map((s) => s.diver)).toEqual(['Zoë Åström', 'Ann Example']);
});

test('a pad that lost the network says so and sends its award when it is back', async ({ browser }) => {
  const context = await browser.newContext({ viewport: { width: 390, height: 844 } });
  const pad = await context.newPage();
  await pad.goto(listening.seats[1].url);
  await expect(pad.locator('#online')).toHaveText('Connected');
  await context.setOffline(true);
  await pad.evaluate(() => socket.socket.close());
  await expect(pad.locator('#online')).toHaveText('No network');
  await pad.keyboard.press('8');
  await pad.keyboard.press('.');
  await pad.keyboard.press('Enter');
  await expect(pad.locator('#delivery')).toHaveText('Not sent yet: it goes when the network is back.');
  await context.setOffline(false);
  await expect(pad.locator('#online')).toHaveText('Connected', { timeout: 15000 });
  await expect(pad.locator('#delivery')).toHaveText('Received: 8½');
});
