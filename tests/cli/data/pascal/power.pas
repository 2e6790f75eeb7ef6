function Power(b, e: Integer): Integer;
begin
  if e = 0 then Result := 1
  else if e mod 2 = 0 then Result := Power(b * b, e div 2)
  else Result := b * Power(b, e - 1);
end;
begin
  ShowMessage(Power(2, 10));
  ShowMessage(Power(3, 5));
  ShowMessage(Power(7, 0));
  ShowMessage(Power(5, 3));
end.
