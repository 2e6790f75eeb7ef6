var i: Integer; line: String;
begin
  line := '';
  for i := 0 to 20 do
    if i in [1, 3, 5..8, 13, 17..19] then line := line + IntToStr(i) + ' ';
  ShowMessage(line);
  if not (4 in [1..3]) then ShowMessage('4 not in 1..3');
  if 'b' in ['a'..'c'] then ShowMessage('b in a..c');
end.
