function Gcd(a, b) {
  var t;
  while (b != 0) { t = a % b; a = b; b = t; }
  return a;
}
function GcdRec(a, b) {
  if (b == 0) return a;
  return GcdRec(b, a % b);
}
ShowMessage(Gcd(48, 18));
ShowMessage(Gcd(17, 5));
ShowMessage(GcdRec(1071, 462));
ShowMessage(GcdRec(100, 75));
