var i: Integer; s: String;
begin
  for i := -3 to 3 do s := s + IntToStr(i * 111) + ';';
  ShowMessage(s);
  ShowMessage(IntToStr(StrToInt('007') + 1));
  ShowMessage(IntToStr(2147483647));
  ShowMessage(IntToStr(-2147483647 - 1));
end.
