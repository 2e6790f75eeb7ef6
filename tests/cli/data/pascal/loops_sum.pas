var i, s: Integer;
begin
  s := 0;
  for i := 1 to 100 do s := s + i;
  ShowMessage(s);
  i := 0; s := 0;
  while i < 10 do begin i := i + 1; s := s + i * i; end;
  ShowMessage(s);
  repeat s := s div 2 until s < 10;
  ShowMessage(s);
end.
