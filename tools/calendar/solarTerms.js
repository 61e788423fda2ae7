'use strict';
// Clock moments (UTC+8, to the second) of the solar terms.
const { ShouXingUtil } = require('lunar-javascript');
const { deltaTSeconds } = require('./deltaT');

// Term 1 (小寒) of a year lies early in January, at 285° of the year's solar cycle; lunar-javascript
// counts the cycle so that this angle lands in the year itself.
function termTTDays(year, term) {
  const angle = (year - 2000) * 2 * Math.PI + ((285 + 15 * (term - 1)) * Math.PI) / 180;
  return ShouXingUtil.saLonT(angle) * 36525;
}

// Seconds since 1970-01-01 00:00 of UTC+8 clock time, so that Date's UTC fields read the clock.
// J2000 is 2000-01-01 12:00 TT, which is 20:00 in UTC+8 before ΔT is taken off.
function termClockSeconds(year, term) {
  const tt = termTTDays(year, term);
  return Date.UTC(2000, 0, 1) / 1000 + Math.round(tt * 86400 + 20 * 3600 - deltaTSeconds(tt));
}

function termClock(year, term) {
  const date = new Date(termClockSeconds(year, term) * 1000);
  return {
    year: date.getUTCFullYear(),
    month: date.getUTCMonth() + 1,
    day: date.getUTCDate(),
    hour: date.getUTCHours(),
    minute: date.getUTCMinutes(),
    second: date.getUTCSeconds(),
  };
}

module.exports = { termClock, termClockSeconds };
