var i: Integer; sum: Extended;
begin
  sum := 0;
  for i := 1 to 10 do sum := sum + 1 / i;
  ShowMessage(FormatFloat('0.000000', sum));
  sum := 0;
  for i := 1 to 4 do sum := sum + i * 0.25;
  ShowMessage(sum);
end.
