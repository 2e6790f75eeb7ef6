var sieve: array[2..100] of Boolean; i, j, count: Integer; line: String;
begin
  for i := 2 to 100 do sieve[i] := True;
  for i := 2 to 10 do
    if sieve[i] then
    begin
      j := i * i;
      while j <= 100 do begin sieve[j] := False; j := j + i; end;
    end;
  count := 0; line := '';
  for i := 2 to 100 do
    if sieve[i] then begin count := count + 1; line := line + IntToStr(i) + ','; end;
  ShowMessage(count);
  ShowMessage(line);
end.
