procedure Describe(n: Integer);
begin
  case n of
    0: ShowMessage('zero');
    1, 2: ShowMessage('small');
    3..9: ShowMessage('digit');
    10, 20, 30: ShowMessage('round');
  else
    ShowMessage('other');
  end;
end;
var i: Integer;
begin
  for i := 0 to 11 do Describe(i);
  Describe(20); Describe(-1);
end.
