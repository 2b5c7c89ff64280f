// Lines end in CRLF (what Windows edit controls hold), LF or CR. The first
// line break of the text is the one used to join the lines again, so a text
// keeps the line ends it came with; a final line break stays at the end.
function lxSplitLines(text) {
  var split = { lines: [], newline: "", finalBreak: false };
  var breaks = /\r\n|\n|\r/g, start = 0, found;
  while ((found = breaks.exec(text)) != null) {
    split.lines.push(text.substring(start, found.index));
    if (split.newline == "")
      split.newline = found[0];
    start = found.index + found[0].length;
    breaks.lastIndex = start;
  }
  if (start < text.length)
    split.lines.push(text.substring(start));
  split.finalBreak = text.length > 0 && start == text.length;
  return split;
}

function lxJoinLines(split, lines) {
  return lines.join(split.newline) + (split.finalBreak ? split.newline : "");
}
