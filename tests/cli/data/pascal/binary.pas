function ToBinary(n: Integer): String;
begin
  if n = 0 then Result := '0' else Result := '';
  while n > 0 do
  begin
    Result := IntToStr(n mod 2) + Result;
    n := n div 2;
  end;
end;
var i: Integer;
begin
  for i := 0 to 9 do ShowMessage(ToBinary(i));
  ShowMessage(ToBinary(255));
  ShowMessage(ToBinary(1024));
end.
