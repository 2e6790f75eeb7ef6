var i, s: Integer;
begin
  i := 0; s := 0;
  while True do
  begin
    i := i + 1;
    if i mod 3 = 0 then continue;
    if i > 20 then break;
    s := s + i;
  end;
  ShowMessage(s);
  ShowMessage(i);
  for i := 1 to 10 do
  begin
    if i = 4 then continue;
    if i = 8 then break;
    ShowMessage(i);
  end;
end.
