var a: array[1..10] of Integer; i, j, t: Integer; line: String; swapped: Boolean;
begin
  a[1] := 5; a[2] := 3; a[3] := 9; a[4] := 1; a[5] := 7;
  a[6] := 2; a[7] := 8; a[8] := 6; a[9] := 4; a[10] := 0;
  repeat
    swapped := False;
    for i := 1 to 9 do
      if a[i] > a[i + 1] then
      begin
        t := a[i]; a[i] := a[i + 1]; a[i + 1] := t;
        swapped := True;
      end;
  until not swapped;
  line := '';
  for j := 1 to 10 do line := line + IntToStr(a[j]);
  ShowMessage(line);
end.
