function Steps(n: Integer): Integer;
begin
  Result := 0;
  while n <> 1 do
  begin
    if n mod 2 = 0 then n := n div 2 else n := 3 * n + 1;
    Result := Result + 1;
  end;
end;
var i, best, bestN: Integer;
begin
  best := 0; bestN := 0;
  for i := 1 to 30 do
    if Steps(i) > best then begin best := Steps(i); bestN := i; end;
  ShowMessage(IntToStr(bestN) + ' ' + IntToStr(best));
  ShowMessage(Steps(27));
end.
