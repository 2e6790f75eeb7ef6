var s: String;
begin
  s := 'abcdef';
  Insert('XY', s, 3);
  ShowMessage(s);
  Delete(s, 1, 2);
  ShowMessage(s);
  Delete(s, 3, 100);
  ShowMessage(s);
  Insert('!', s, 100);
  ShowMessage(s);
end.
