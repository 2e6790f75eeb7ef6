var a, b, c: array[1..3, 1..3] of Integer; i, j, k: Integer; line: String;
begin
  for i := 1 to 3 do
    for j := 1 to 3 do
    begin
      a[i, j] := i + j;
      b[i, j] := i * j;
    end;
  for i := 1 to 3 do
    for j := 1 to 3 do
    begin
      c[i, j] := 0;
      for k := 1 to 3 do c[i, j] := c[i, j] + a[i, k] * b[k, j];
    end;
  for i := 1 to 3 do
  begin
    line := '';
    for j := 1 to 3 do line := line + IntToStr(c[i, j]) + ' ';
    ShowMessage(line);
  end;
end.
