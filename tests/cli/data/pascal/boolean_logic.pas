var a, b: Boolean;
begin
  a := True; b := False;
  ShowMessage(a and b);
  ShowMessage(a or b);
  ShowMessage(not a);
  ShowMessage(a xor b);
  ShowMessage((1 < 2) and (3 > 2));
  ShowMessage(not (a and b) or b);
end.
