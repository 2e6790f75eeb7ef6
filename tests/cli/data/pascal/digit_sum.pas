function DigitSum(n: Integer): Integer;
begin
  Result := 0;
  while n > 0 do begin Result := Result + n mod 10; n := n div 10; end;
end;
function DigitalRoot(n: Integer): Integer;
begin
  Result := n;
  while Result >= 10 do Result := DigitSum(Result);
end;
begin
  ShowMessage(DigitSum(12345));
  ShowMessage(DigitalRoot(987654321));
  ShowMessage(DigitSum(0));
end.
