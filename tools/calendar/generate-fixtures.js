'use strict';
// Writes the cross-check fixtures of the birth-chart tests from lunar-javascript, an independent
// implementation of the calendar:
//
//   cd tools/calendar && npm ci --ignore-scripts && node generate-fixtures.js [output folder]
//
// birthchart/tests/data/lunar-month-starts.txt — every lunar month that starts between 1901-02-19
//   and 2048-12-31: "YYYY-MM-DD lunarYear month leap(0/1)". Every day of the range belongs to the
//   last month that starts on or before it, so the test can check the lunar date of every day.
// birthchart/tests/data/pillar-moments.txt — "YYYY-MM-DD HH:MM:SS year month day hour", the
//   pillars as sexagenary numbers (1 = 甲子) of a fixed pseudo-random set of moments, with the
//   23:00 hour counted to the next day. The moments keep more than three minutes away from every
//   solar term, ours and the package's, since the two differ by up to a minute (ΔT).
const fs = require('fs');
const path = require('path');
const { Solar, LunarYear, LunarUtil } = require('lunar-javascript');
const { termClockSeconds } = require('./solarTerms');

const OUTPUT_DIR = process.argv[2] || path.join(__dirname, '..', '..', 'birthchart', 'tests', 'data');
const FIRST_DAY = Date.UTC(1901, 1, 19) / 1000;
const LAST_DAY = Date.UTC(2048, 11, 31) / 1000;
const DAY = 86400;
const TERM_MARGIN = 180;

const pad = (n) => String(n).padStart(2, '0');
function dateText(seconds) {
  const d = new Date(seconds * 1000);
  return `${d.getUTCFullYear()}-${pad(d.getUTCMonth() + 1)}-${pad(d.getUTCDate())}`;
}
function momentText(seconds) {
  const d = new Date(seconds * 1000);
  return `${dateText(seconds)} ${pad(d.getUTCHours())}:${pad(d.getUTCMinutes())}:${pad(d.getUTCSeconds())}`;
}
function solarOf(seconds) {
  const d = new Date(seconds * 1000);
  return Solar.fromYmdHms(d.getUTCFullYear(), d.getUTCMonth() + 1, d.getUTCDate(),
                          d.getUTCHours(), d.getUTCMinutes(), d.getUTCSeconds());
}

function writeLunarMonthStarts() {
  const lines = [];
  for (let year = 1901; year <= 2049; ++year) {
    for (const month of LunarYear.fromYear(year).getMonthsInYear()) {
      const first = Solar.fromJulianDay(month.getFirstJulianDay());
      const seconds = Date.UTC(first.getYear(), first.getMonth() - 1, first.getDay()) / 1000;
      if (seconds < FIRST_DAY || seconds > LAST_DAY) continue;
      const leap = month.getMonth() < 0 ? 1 : 0;
      lines.push(`${dateText(seconds)} ${year} ${Math.abs(month.getMonth())} ${leap}`);
    }
  }
  // The fixture is only as good as its agreement with the package's own day-by-day conversion.
  let index = 0;
  let monthStart = 0;
  const starts = lines.map((line) => {
    const [date, year, month, leap] = line.split(' ');
    const [y, m, d] = date.split('-').map(Number);
    return { seconds: Date.UTC(y, m - 1, d) / 1000, year: +year, month: +month, leap: +leap };
  });
  for (let day = FIRST_DAY; day <= LAST_DAY; day += DAY) {
    while (index + 1 < starts.length && starts[index + 1].seconds <= day) ++index;
    monthStart = starts[index];
    const lunar = solarOf(day).getLunar();
    const expectedDay = (day - monthStart.seconds) / DAY + 1;
    if (lunar.getYear() !== monthStart.year || Math.abs(lunar.getMonth()) !== monthStart.month ||
        (lunar.getMonth() < 0 ? 1 : 0) !== monthStart.leap || lunar.getDay() !== expectedDay) {
      throw new Error(`month starts disagree with the package on ${dateText(day)}`);
    }
  }
  fs.writeFileSync(path.join(OUTPUT_DIR, 'lunar-month-starts.txt'), lines.join('\n') + '\n');
  return lines.length;
}

// A small fixed linear congruential generator keeps the fixture the same on every run.
let state = 20240204;
function random() {
  state = (Math.imul(state, 1103515245) + 12345) >>> 0;
  return state / 4294967296;
}
const randomInt = (low, high) => low + Math.floor(random() * (high - low + 1));

function sexagenaryNumber(name) {
  for (let n = 1; n <= 60; ++n) {
    if (LunarUtil.GAN[(n - 1) % 10 + 1] + LunarUtil.ZHI[(n - 1) % 12 + 1] === name) return n;
  }
  throw new Error(`not a sexagenary name: ${name}`);
}

function packageTermSeconds(year) {
  const table = Solar.fromYmd(year, 6, 1).getLunar().getJieQiTable();
  return Object.values(table).map((solar) =>
    Date.UTC(solar.getYear(), solar.getMonth() - 1, solar.getDay(), solar.getHour(),
             solar.getMinute(), solar.getSecond()) / 1000);
}

function writePillarMoments() {
  const terms = [];
  for (let year = 1900; year <= 2049; ++year) {
    for (let term = 1; term <= 24; ++term) terms.push(termClockSeconds(year, term));
    terms.push(...packageTermSeconds(year));
  }
  const nearTerm = (seconds) => terms.some((t) => Math.abs(t - seconds) <= TERM_MARGIN);

  const moments = new Set();
  const add = (seconds) => {
    if (seconds >= FIRST_DAY && seconds < LAST_DAY + DAY && !nearTerm(seconds)) moments.add(seconds);
  };
  // Anywhere in the range.
  while (moments.size < 1500) add(randomInt(FIRST_DAY, LAST_DAY + DAY - 1));
  // Close to a term on either side, where the term of the day decides the month and year.
  while (moments.size < 2700) {
    const term = termClockSeconds(randomInt(1901, 2048), randomInt(1, 24));
    const offset = randomInt(TERM_MARGIN + 1, 6 * 3600);
    add(random() < 0.5 ? term - offset : term + offset);
  }
  // Around midnight, where the 23:00 rule moves the day pillar.
  while (moments.size < 3300) {
    const day = FIRST_DAY + randomInt(0, (LAST_DAY - FIRST_DAY) / DAY) * DAY;
    add(day + randomInt(22 * 3600, 26 * 3600 - 1));
  }

  const lines = [...moments].sort((a, b) => a - b).map((seconds) => {
    const eightChar = solarOf(seconds).getLunar().getEightChar();
    eightChar.setSect(1);
    const numbers = [eightChar.getYear(), eightChar.getMonth(), eightChar.getDay(),
                     eightChar.getTime()].map(sexagenaryNumber);
    return `${momentText(seconds)} ${numbers.join(' ')}`;
  });
  fs.writeFileSync(path.join(OUTPUT_DIR, 'pillar-moments.txt'), lines.join('\n') + '\n');
  return lines.length;
}

fs.mkdirSync(OUTPUT_DIR, { recursive: true });
console.log(`lunar months: ${writeLunarMonthStarts()}`);
console.log(`pillar moments: ${writePillarMoments()}`);
