var s: String;
begin
  s := '  Hello World  ';
  ShowMessage('[' + Trim(s) + ']');
  s := Trim(s);
  ShowMessage(Length(s));
  ShowMessage(Copy(s, 1, 5));
  ShowMessage(Copy(s, 7, 100));
  ShowMessage(Pos('World', s));
  ShowMessage(Pos('x', s));
  ShowMessage(UpperCase(s));
  ShowMessage(LowerCase(s));
  ShowMessage(Copy(s, 3, 2) + Copy(s, 0, 1));
end.
