function IsPalindrome(const s: String): Boolean;
var i, n: Integer;
begin
  Result := True;
  n := Length(s);
  for i := 1 to n div 2 do
    if s[i] <> s[n - i + 1] then Result := False;
end;
begin
  ShowMessage(IsPalindrome('anna'));
  ShowMessage(IsPalindrome('abc'));
  ShowMessage(IsPalindrome('racecar'));
  ShowMessage(IsPalindrome(''));
end.
