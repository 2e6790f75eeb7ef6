function Swap(&a, &b) {
  var t = a;
  a = b; b = t;
}
function AddTo(&s, t) {
  s = s + t;
}
var x = 1, y = 2, s = "ab";
Swap(x, y);
ShowMessage(IntToStr(x) + " " + IntToStr(y));
AddTo(s, "cd"); AddTo(s, "ef");
ShowMessage(s);
