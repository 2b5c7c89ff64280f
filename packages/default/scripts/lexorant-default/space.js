// White space for the default scripts: what \s means beyond ASCII differs
// between engines, so the Unicode spaces and the byte order mark are named.
var lxSpaceClass = "\\s\\u00A0\\u1680\\u2000-\\u200A\\u2028\\u2029\\u202F\\u205F\\u3000\\uFEFF";
var lxSpace = new RegExp("[" + lxSpaceClass + "]");

function lxIsSpace(c) {
  return lxSpace.test(c);
}
