function Steps(n) {
  var r = 0;
  while (n != 1) {
    if (n % 2 == 0) n = n div 2; else n = 3 * n + 1;
    r++;
  }
  return r;
}
var best = 0, bestN = 0;
for (var i = 1; i <= 30; i++)
  if (Steps(i) > best) { best = Steps(i); bestN = i; }
ShowMessage(IntToStr(bestN) + " " + IntToStr(best));
ShowMessage(Steps(27));
