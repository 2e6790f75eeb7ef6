function Fib(n) {
  if (n < 2) return n;
  return Fib(n - 1) + Fib(n - 2);
}
for (var i = 0; i <= 20; i++) ShowMessage(IntToStr(i) + ": " + IntToStr(Fib(i)));
