function FindFirst(const s: String; c: String): Integer;
var i: Integer;
begin
  Result := 0;
  for i := 1 to Length(s) do
    if s[i] = c then
    begin
      Result := i;
      exit;
    end;
  Result := -1;
end;
begin
  ShowMessage(FindFirst('hello', 'l'));
  ShowMessage(FindFirst('hello', 'z'));
  ShowMessage(FindFirst('hello', 'h'));
end.
