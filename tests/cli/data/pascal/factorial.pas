function FactRec(n: Integer): Integer;
begin
  if n <= 1 then Result := 1 else Result := n * FactRec(n - 1);
end;
function FactLoop(n: Integer): Integer;
var i: Integer;
begin
  Result := 1;
  for i := 2 to n do Result := Result * i;
end;
var k: Integer;
begin
  for k := 0 to 12 do ShowMessage(IntToStr(FactRec(k)) + ' ' + IntToStr(FactLoop(k)));
end.
