function Max(a, b: Integer): Integer;
begin
  if a > b then Result := a else Result := b;
end;
function Min(a, b: Integer): Integer;
begin
  if a < b then Result := a else Result := b;
end;
var i, lo, hi, v: Integer;
begin
  lo := 1000; hi := -1000;
  for i := 1 to 20 do
  begin
    v := (i * 37) mod 23 - 11;
    lo := Min(lo, v); hi := Max(hi, v);
  end;
  ShowMessage(IntToStr(lo) + ' ' + IntToStr(hi));
end.
