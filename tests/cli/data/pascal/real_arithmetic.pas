var x, y: Extended;
begin
  x := 7 / 2;
  ShowMessage(x);
  ShowMessage(1 / 3);
  y := 2.5 * 4;
  ShowMessage(y);
  ShowMessage(x + y);
  ShowMessage(10 / 4 - 0.5);
  x := 1.5;
  y := x * x * x;
  ShowMessage(y);
  ShowMessage(0.1 + 0.2);
  ShowMessage(-3.75);
end.
