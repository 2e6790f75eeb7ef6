var i, j: Integer; line: String;
begin
  for i := 1 to 5 do
  begin
    line := '';
    for j := 1 to 5 do line := line + IntToStr(i * j) + ' ';
    ShowMessage(Trim(line));
  end;
end.
