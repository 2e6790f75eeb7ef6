void Swap(int &a, int &b) {
  int t = a;
  a = b; b = t;
}
void AddTo(string &s, string t) {
  s = s + t;
}
{
  int x = 1, y = 2;
  string s = "ab";
  Swap(x, y);
  ShowMessage(IntToStr(x) + " " + IntToStr(y));
  AddTo(s, "cd"); AddTo(s, "ef");
  ShowMessage(s);
}
