// Simple one-to-one Unicode case mapping. Script engines differ here (Wine's
// JScript maps ASCII only), so the default scripts carry their own table for
// the Latin, Greek, Cyrillic and Armenian letters and apply it after the
// engine's own mapping.
var lxUpperOf = {}, lxLowerOf = {};

function lxCasePair(upper, lower) {
  var u = String.fromCharCode(upper), l = String.fromCharCode(lower);
  lxUpperOf[l] = u;
  lxLowerOf[u] = l;
}

// Upper-case letters first..last, each with its lower case at code + delta.
function lxCaseRange(first, last, delta) {
  for (var c = first; c <= last; c++)
    lxCasePair(c, c + delta);
}

// Upper case at first, first + 2, ...; each lower case right after it.
function lxCaseAlternating(first, last) {
  for (var c = first; c < last; c += 2)
    lxCasePair(c, c + 1);
}

lxCaseRange(0x41, 0x5A, 32);
lxCaseRange(0xC0, 0xD6, 32);
lxCaseRange(0xD8, 0xDE, 32);
lxCasePair(0x178, 0xFF);
lxCaseAlternating(0x100, 0x12F);
lxCaseAlternating(0x132, 0x137);
lxCaseAlternating(0x139, 0x148);
lxCaseAlternating(0x14A, 0x177);
lxCaseAlternating(0x179, 0x17E);
lxCasePair(0x18F, 0x259);
lxCasePair(0x1A0, 0x1A1);
lxCasePair(0x1AF, 0x1B0);
lxCaseAlternating(0x1CD, 0x1DC);
lxCaseAlternating(0x1DE, 0x1EF);
lxCaseAlternating(0x1F8, 0x21F);
lxCaseAlternating(0x222, 0x233);
lxCaseAlternating(0x246, 0x24F);
lxCasePair(0x386, 0x3AC);
lxCaseRange(0x388, 0x38A, 37);
lxCasePair(0x38C, 0x3CC);
lxCaseRange(0x38E, 0x38F, 63);
lxCaseRange(0x391, 0x3A1, 32);
lxCaseRange(0x3A3, 0x3AB, 32);
lxCaseAlternating(0x3D8, 0x3EF);
lxCaseRange(0x400, 0x40F, 80);
lxCaseRange(0x410, 0x42F, 32);
lxCaseAlternating(0x460, 0x481);
lxCaseAlternating(0x48A, 0x4BF);
lxCasePair(0x4C0, 0x4CF);
lxCaseAlternating(0x4C1, 0x4CE);
lxCaseAlternating(0x4D0, 0x52F);
lxCaseRange(0x531, 0x556, 48);
lxCaseAlternating(0x1E00, 0x1E95);
lxCaseAlternating(0x1EA0, 0x1EFF);
lxCaseRange(0x1F08, 0x1F0F, -8);
lxCaseRange(0x1F18, 0x1F1D, -8);
lxCaseRange(0x1F28, 0x1F2F, -8);
lxCaseRange(0x1F38, 0x1F3F, -8);
lxCaseRange(0x1F48, 0x1F4D, -8);
lxCasePair(0x1F59, 0x1F51);
lxCasePair(0x1F5B, 0x1F53);
lxCasePair(0x1F5D, 0x1F55);
lxCasePair(0x1F5F, 0x1F57);
lxCaseRange(0x1F68, 0x1F6F, -8);
lxCaseRange(0x2160, 0x216F, 16);
lxCaseRange(0x24B6, 0x24CF, 26);
lxCaseRange(0xFF21, 0xFF3A, 32);
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

function lxIsCased(c) {
  return lxUpperCase(c) != lxLowerCase(c);
}
