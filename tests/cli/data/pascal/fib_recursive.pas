function Fib(n: Integer): Integer;
begin
  if n < 2 then Result := n else Result := Fib(n - 1) + Fib(n - 2);
end;
var i: Integer;
begin
  for i := 0 to 20 do ShowMessage(IntToStr(i) + ': ' + IntToStr(Fib(i)));
end.
