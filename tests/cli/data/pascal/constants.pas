const
  Base = 10;
  Name = 'Lumaro';
  Half = 0.5;
  Total = Base * 3 + 2;
begin
  ShowMessage(Total);
  ShowMessage(Name + '!');
  ShowMessage(Half * Base);
  ShowMessage(Length(Name) + Base);
end.
