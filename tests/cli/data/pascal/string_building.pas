var s: String; i: Integer;
begin
  s := '';
  for i := 1 to 1000 do s := s + 'x';
  ShowMessage(Length(s));
  s := '';
  for i := 1 to 10 do s := s + IntToStr(i mod 3);
  ShowMessage(s);
end.
