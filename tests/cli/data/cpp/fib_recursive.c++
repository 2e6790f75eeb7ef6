int Fib(int n) {
  if (n < 2) return n;
  return Fib(n - 1) + Fib(n - 2);
}
{
  int i;
  for (i = 0; i <= 20; i++) ShowMessage(IntToStr(i) + ": " + IntToStr(Fib(i)));
}
