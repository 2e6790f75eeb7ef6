var names: array[0..4] of String; i: Integer; all: String;
begin
  names[0] := 'Ana'; names[1] := 'Bor'; names[2] := 'Cene'; names[3] := 'Dora'; names[4] := 'Eva';
  all := '';
  for i := 0 to 4 do
  begin
    if i > 0 then all := all + ', ';
    all := all + names[i];
  end;
  ShowMessage(all);
  for i := 4 downto 0 do
    if Length(names[i]) = 3 then ShowMessage(names[i]);
end.
