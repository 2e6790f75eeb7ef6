var x: Extended;
begin
  x := 1234.5678;
  ShowMessage(FormatFloat('0.00', x));
  ShowMessage(FormatFloat('000000', 42));
  ShowMessage(FormatFloat('0.###', 2.5));
  ShowMessage(FormatFloat('#,##0.0', x));
  ShowMessage(FloatToStr(x));
end.
