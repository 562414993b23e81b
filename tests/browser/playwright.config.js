// The venue's pages in Debian's Chromium, never a browser of Playwright's own: it is not
// downloaded (PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 when installed) and the system's is started
// with the flags that keep it from reaching anything but the test's server on 127.0.0.1.
const { defineConfig } = require('@playwright/test');

module.exports = defineConfig({
  testDir: '.',
  testMatch: '*.test.js',
  timeout: 90000,
  workers: 1,
  reporter: 'list',
  outputDir: 'test-results',
  use: {
    browserName: 'chromium',
    headless: true,
    launchOptions: {
      executablePath: process.env.MERRITH_CHROMIUM || '/usr/bin/chromium',
      args: [
        '--headless',
        '--no-sandbox',
        '--disable-gpu',
        '--disable-quic',
        '--no-first-run',
        '--disable-background-networking',
        '--disable-component-update',
        '--disable-sync',
      ],
    },
  },
});
