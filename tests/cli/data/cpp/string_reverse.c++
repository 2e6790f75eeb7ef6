string Reverse(string s) {
  int i;
  string r = "";
  for (i = Length(s); i >= 1; i--) r = r + s[i];
  return r;
}
{
  ShowMessage(Reverse("Lumaro"));
  ShowMessage(Reverse(""));
  ShowMessage(Reverse("ab cd"));
}
