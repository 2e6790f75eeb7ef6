var i, j: Integer; line: String;
begin
  for i := 5 downto 1 do
  begin
    line := '';
    for j := 1 to i do line := line + '*';
    ShowMessage(line);
  end;
  for i := 1 downto 5 do ShowMessage('never');
end.
