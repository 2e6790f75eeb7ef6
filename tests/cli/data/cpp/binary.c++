string ToBinary(int n) {
  string r = "";
  if (n == 0) r = "0";
  while (n > 0) { r = IntToStr(n % 2) + r; n = n div 2; }
  return r;
}
{
  int i;
  for (i = 0; i <= 9; i++) ShowMessage(ToBinary(i));
  ShowMessage(ToBinary(255));
  ShowMessage(ToBinary(1024));
}
