'use strict';
// ΔT = TT − UT, in seconds, for turning the astronomical moments of the solar terms into clock
// time in UTC+8.
//
// The Chinese almanac that our solar-term table has to agree with predicts a ΔT that grows faster
// after 2000 than the ΔT of lunar-javascript. So we take the package's own ΔT and add a smooth
// correction: a monotone piecewise-cubic Hermite curve (Fritsch–Butland slopes, as in PCHIP)
// through the knots below, held constant before the first knot (flat tangent there) and continued
// as a straight line after the last knot (tangent = slope of the last interval). One curve serves
// every moment of the table; no entry is adjusted on its own.
//
// Each knot sits in the middle of the range of corrections for which the almanac's published
// moments of that year come out to the second (see TELLING_ENTRIES in generate-tables.js, which
// checks them on every run). Years are TT years as the package counts them for its ΔT:
// 2000 + days since J2000 / 365.2425.
const { ShouXingUtil } = require('lunar-javascript');

const CORRECTION_KNOTS = [
  // [year, seconds added to the package's ΔT]
  [1901.07, -7.21],
  [1984.09, -1.71],
  [2000.5, 1.03],
  [2013.07, 5.16],
  [2014.09, 5.53],
  [2024.09, 19.83],
  [2048.09, 58.66],
];

function knotSlopes(knots) {
  const n = knots.length;
  const h = [];
  const secant = [];
  for (let k = 0; k + 1 < n; ++k) {
    h.push(knots[k + 1][0] - knots[k][0]);
    secant.push((knots[k + 1][1] - knots[k][1]) / h[k]);
  }
  const slopes = new Array(n).fill(0);
  for (let k = 1; k + 1 < n; ++k) {
    if (secant[k - 1] * secant[k] <= 0) continue;
    const w1 = 2 * h[k] + h[k - 1];
    const w2 = h[k] + 2 * h[k - 1];
    slopes[k] = (w1 + w2) / (w1 / secant[k - 1] + w2 / secant[k]);
  }
  slopes[0] = 0;
  slopes[n - 1] = secant[n - 2];
  return slopes;
}

const SLOPES = knotSlopes(CORRECTION_KNOTS);

function correction(year) {
  const knots = CORRECTION_KNOTS;
  const last = knots.length - 1;
  if (year <= knots[0][0]) return knots[0][1];
  if (year >= knots[last][0]) return knots[last][1] + SLOPES[last] * (year - knots[last][0]);
  let k = 0;
  while (year > knots[k + 1][0]) ++k;
  const h = knots[k + 1][0] - knots[k][0];
  const s = (year - knots[k][0]) / h;
  const h00 = (1 + 2 * s) * (1 - s) * (1 - s);
  const h10 = s * (1 - s) * (1 - s);
  const h01 = s * s * (3 - 2 * s);
  const h11 = s * s * (s - 1);
  return h00 * knots[k][1] + h10 * h * SLOPES[k] + h01 * knots[k + 1][1] + h11 * h * SLOPES[k + 1];
}

// ΔT in seconds at a TT moment given as days since J2000.
function deltaTSeconds(ttDaysSinceJ2000) {
  const year = ttDaysSinceJ2000 / 365.2425 + 2000;
  return ShouXingUtil.dtCalc(year) + correction(year);
}

module.exports = { deltaTSeconds, correction, CORRECTION_KNOTS };
