// Simple one-to-one Unicode case mapping. Script engines differ here (Wine's
// JScript maps ASCII only), so the default scripts carry their own table for
// the Latin, Greek, Cyrillic and Armenian letters and apply it after the
// engine's own mapping.
var lxUpperOf = {}, lxLowerOf = {};

// Rows of [first upper case, last upper case, distance to the lower case,
// step]: step 1 for a run of upper case letters, step 2 for alternating
// upper and lower case letters.
var lxCaseTable = [
  [0x41, 0x5A, 32, 1], [0xC0, 0xD6, 32, 1], [0xD8, 0xDE, 32, 1], [0x178, 0x178, -121, 1],
  [0x100, 0x12F, 1, 2], [0x132, 0x137, 1, 2], [0x139, 0x148, 1, 2], [0x14A, 0x177, 1, 2],
  [0x179, 0x17E, 1, 2], [0x18F, 0x18F, 202, 1], [0x1A0, 0x1A0, 1, 1], [0x1AF, 0x1AF, 1, 1],
  [0x1CD, 0x1DC, 1, 2], [0x1DE, 0x1EF, 1, 2], [0x1F8, 0x21F, 1, 2], [0x222, 0x233, 1, 2],
  [0x246, 0x24F, 1, 2], [0x386, 0x386, 38, 1], [0x388, 0x38A, 37, 1], [0x38C, 0x38C, 64, 1],
  [0x38E, 0x38F, 63, 1], [0x391, 0x3A1, 32, 1], [0x3A3, 0x3AB, 32, 1], [0x3D8, 0x3EF, 1, 2],
  [0x400, 0x40F, 80, 1], [0x410, 0x42F, 32, 1], [0x460, 0x481, 1, 2], [0x48A, 0x4BF, 1, 2],
  [0x4C0, 0x4C0, 15, 1], [0x4C1, 0x4CE, 1, 2], [0x4D0, 0x52F, 1, 2], [0x531, 0x556, 48, 1],
  [0x1E00, 0x1E95, 1, 2], [0x1EA0, 0x1EFF, 1, 2], [0x1F08, 0x1F0F, -8, 1], [0x1F18, 0x1F1D, -8, 1],
  [0x1F28, 0x1F2F, -8, 1], [0x1F38, 0x1F3F, -8, 1], [0x1F48, 0x1F4D, -8, 1],
  [0x1F59, 0x1F59, -8, 1], [0x1F5B, 0x1F5B, -8, 1], [0x1F5D, 0x1F5D, -8, 1],
  [0x1F5F, 0x1F5F, -8, 1], [0x1F68, 0x1F6F, -8, 1], [0x2160, 0x216F, 16, 1],
  [0x24B6, 0x24CF, 26, 1], [0xFF21, 0xFF3A, 32, 1]
];

(function () {
  for (var row = 0; row < lxCaseTable.length; row++) {
    var first = lxCaseTable[row][0], last = lxCaseTable[row][1];
    var distance = lxCaseTable[row][2], step = lxCaseTable[row][3];
    for (var c = first; c <= last; c += step) {
      var upper = String.fromCharCode(c), lower = String.fromCharCode(c + distance);
      lxUpperOf[lower] = upper;
      lxLowerOf[upper] = lower;
    }
  }
})();

// One-way mappings: final sigma, dotless i, dotted capital I, long s and
// capital sharp s have no partner of their own.
lxUpperOf["\u03C2"] = "\u03A3";
lxUpperOf["\u0131"] = "I";
lxLowerOf["\u0130"] = "i";
lxUpperOf["\u017F"] = "S";
lxLowerOf["\u1E9E"] = "\u00DF";

function lxMapCase(text, table) {
  return text.replace(/[\u0080-\uFFFF]/g, function (c) {
    return table.hasOwnProperty(c) ? table[c] : c;
  });
}

function lxUpperCase(text) {
  return lxMapCase(text.toUpperCase(), lxUpperOf);
}

function lxLowerCase(text) {
  return lxMapCase(text.toLowerCase(), lxLowerOf);
}
