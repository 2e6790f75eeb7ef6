var i: Integer; s: String;
begin
  s := '';
  for i := 65 to 75 do s := s + Chr(i);
  ShowMessage(s);
  ShowMessage(Ord('a'));
  ShowMessage(Ord(s[3]));
  s := 'Hello';
  for i := 1 to Length(s) do ShowMessage(IntToStr(Ord(s[i])));
end.
